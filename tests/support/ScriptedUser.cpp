#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <QDialog>

#include "tests/support/WidgetHelpers.h"

ScriptedUser::ScriptedUser() {
    seams::setMessageBoxService(this);
    seams::setFileDialogService(this);
    seams::setModalLoopService(this);
}

ScriptedUser::~ScriptedUser() {
    verifyAllUsed();
    seams::setMessageBoxService(nullptr);
    seams::setFileDialogService(nullptr);
    seams::setModalLoopService(nullptr);
}

void ScriptedUser::answerBox(QMessageBox::StandardButton answer, std::function<void(const ShownBox&)> check) {
    m_boxAnswers.push_back({answer, std::move(check)});
}

void ScriptedUser::expectBox(const QString& text, const QString& caption, QMessageBox::Icon icon,
                             QMessageBox::StandardButtons buttons, QMessageBox::StandardButton answer) {
    answerBox(answer, [text, caption, icon, buttons](const ShownBox& box) {
        EXPECT_EQ(box.text.toStdString(), text.toStdString());
        EXPECT_EQ(box.caption.toStdString(), caption.toStdString());
        EXPECT_EQ(box.icon, icon) << "box: " << box.text.toStdString();
        EXPECT_EQ(box.buttons, buttons) << "box: " << box.text.toStdString();
    });
}

void ScriptedUser::expectWarning(const QString& text, const QString& caption) {
    expectBox(text, caption, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok);
}

void ScriptedUser::answerFileDialog(std::optional<QString> path,
                                    std::function<void(const seams::FileDialogRequest&)> check) {
    m_fileAnswers.push_back({std::move(path), std::move(check)});
}

void ScriptedUser::driveDialog(std::function<void(QDialog&)> script) {
    m_dialogScripts.push_back(std::move(script));
}

void ScriptedUser::clearRecords() {
    m_boxes.clear();
    m_fileRequests.clear();
    m_dialogsRun = 0;
}

void ScriptedUser::verifyAllUsed() {
    EXPECT_TRUE(m_boxAnswers.empty()) << m_boxAnswers.size() << " message box answer(s) never asked for";
    EXPECT_TRUE(m_fileAnswers.empty()) << m_fileAnswers.size() << " file dialog answer(s) never asked for";
    EXPECT_TRUE(m_dialogScripts.empty()) << m_dialogScripts.size() << " dialog script(s) never run";
    m_boxAnswers.clear();
    m_fileAnswers.clear();
    m_dialogScripts.clear();
}

QMessageBox::StandardButton ScriptedUser::show(QWidget* owner, const QString& text, const QString& caption,
                                               QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
    const ShownBox box{owner, text, caption, icon, buttons};
    m_boxes.push_back(box);
    if (m_boxAnswers.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << text.toStdString() << "\" (" << caption.toStdString()
                      << ")";
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    }
    BoxAnswer answer = std::move(m_boxAnswers.front());
    m_boxAnswers.pop_front();
    if (answer.check)
        answer.check(box);
    EXPECT_TRUE(buttons.testFlag(answer.answer)) << "the box has no such button: " << text.toStdString();
    return answer.answer;
}

std::optional<QString> ScriptedUser::run(const seams::FileDialogRequest& request) {
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

int ScriptedUser::run(QDialog& dialog) {
    ++m_dialogsRun;
    if (m_dialogScripts.empty()) {
        ADD_FAILURE() << "unexpected modal dialog " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    auto script = std::move(m_dialogScripts.front());
    m_dialogScripts.pop_front();
    // Shown and active, as exec() would leave it, so focus and keys behave as for the user.
    dialog.setResult(-1);
    testing_support::ShowAndActivate(&dialog);
    script(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the script left dialog " << dialog.windowTitle().toStdString() << " open";
        dialog.hide();
        return QDialog::Rejected;
    }
    return dialog.result();
}
