#include "tests/support/OldScriptedUser.h"

#include <gtest/gtest.h>

#include "framework/CDialog.h"

OldScriptedUser::OldScriptedUser() {
    fw::SetMessageBoxService(this);
    fw::SetFileDialogService(this);
    fw::SetModalLoopService(this);
}

OldScriptedUser::~OldScriptedUser() {
    VerifyAllUsed();
    fw::SetMessageBoxService(nullptr);
    fw::SetFileDialogService(nullptr);
    fw::SetModalLoopService(nullptr);
}

void OldScriptedUser::AnswerBox(int answer, std::function<void(const OldShownBox&)> check) {
    m_boxAnswers.push_back({answer, std::move(check)});
}

void OldScriptedUser::ExpectBox(const QString& text, const QString& caption, UINT style, int answer) {
    AnswerBox(answer, [text, caption, style](const OldShownBox& box) {
        EXPECT_EQ(box.text.toStdString(), text.toStdString());
        EXPECT_EQ(box.caption.toStdString(), caption.toStdString());
        EXPECT_EQ(box.style, style) << "box: " << box.text.toStdString();
    });
}

void OldScriptedUser::AnswerFileDialog(std::optional<QString> path,
                                    std::function<void(const FileDialogRequest&)> check) {
    m_fileAnswers.push_back({std::move(path), std::move(check)});
}

void OldScriptedUser::DriveDialog(std::function<void(CDialog&)> script) {
    m_dialogScripts.push_back(std::move(script));
}

void OldScriptedUser::ClearRecords() {
    m_boxes.clear();
    m_fileRequests.clear();
    m_dialogsRun = 0;
}

void OldScriptedUser::VerifyAllUsed() {
    EXPECT_TRUE(m_boxAnswers.empty()) << m_boxAnswers.size() << " message box answer(s) never asked for";
    EXPECT_TRUE(m_fileAnswers.empty()) << m_fileAnswers.size() << " file dialog answer(s) never asked for";
    EXPECT_TRUE(m_dialogScripts.empty()) << m_dialogScripts.size() << " dialog script(s) never run";
    m_boxAnswers.clear();
    m_fileAnswers.clear();
    m_dialogScripts.clear();
}

int OldScriptedUser::Show(CWnd* owner, const QString& text, const QString& caption, UINT style) {
    OldShownBox box{owner, text, caption, style};
    m_boxes.push_back(box);
    if (m_boxAnswers.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << text.toStdString() << "\" (" << caption.toStdString()
                      << ")";
        return (style & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
    BoxAnswer answer = std::move(m_boxAnswers.front());
    m_boxAnswers.pop_front();
    if (answer.check)
        answer.check(box);
    return answer.answer;
}

std::optional<QString> OldScriptedUser::Run(const FileDialogRequest& request) {
    m_fileRequests.push_back(request);
    if (m_fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return std::nullopt;
    }
    FileAnswer answer = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    if (answer.check)
        answer.check(request);
    return answer.path;
}

int OldScriptedUser::Run(CDialog& dialog) {
    ++m_dialogsRun;
    if (m_dialogScripts.empty()) {
        ADD_FAILURE() << "unexpected modal dialog " << dialog.TemplateId();
        return IDCANCEL;
    }
    auto script = std::move(m_dialogScripts.front());
    m_dialogScripts.pop_front();
    script(dialog);
    if (!dialog.IsEnded()) {
        ADD_FAILURE() << "the script left dialog " << dialog.TemplateId() << " running";
        return IDCANCEL;
    }
    return dialog.ResultCode();
}
