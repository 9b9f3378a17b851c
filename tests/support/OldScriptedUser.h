#pragma once
// A test's user: answers every message box, file dialog and modal dialog from a script and
// records what was shown. Anything unexpected fails the test.
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "framework/Services.h"

class CDialog;
class CWnd;

struct OldShownBox {
    CWnd* owner;
    QString text;
    QString caption;
    UINT style;
};

class OldScriptedUser : public MessageBoxService, public FileDialogService, public ModalLoopService {
public:
    OldScriptedUser();
    ~OldScriptedUser() override;

    // The next message box is answered with this button; check, if given, sees it first.
    void AnswerBox(int answer, std::function<void(const OldShownBox&)> check = {});
    // The next message box must have this text, caption and style.
    void ExpectBox(const QString& text, const QString& caption, UINT style, int answer);
    // The next file dialog ends with OK on this path, or is cancelled (nullopt).
    void AnswerFileDialog(std::optional<QString> path,
                          std::function<void(const FileDialogRequest&)> check = {});
    // The next modal dialog is driven by this script once initialised; the script ends it.
    void DriveDialog(std::function<void(CDialog&)> script);

    const std::vector<OldShownBox>& Boxes() const { return m_boxes; }
    const std::vector<FileDialogRequest>& FileRequests() const { return m_fileRequests; }
    int DialogsRun() const { return m_dialogsRun; }
    void ClearRecords();
    // Fails the test for any scripted answer nobody asked for.
    void VerifyAllUsed();

    int Show(CWnd* owner, const QString& text, const QString& caption, UINT style) override;
    std::optional<QString> Run(const FileDialogRequest& request) override;
    int Run(CDialog& dialog) override;

private:
    struct BoxAnswer {
        int answer;
        std::function<void(const OldShownBox&)> check;
    };
    struct FileAnswer {
        std::optional<QString> path;
        std::function<void(const FileDialogRequest&)> check;
    };
    std::deque<BoxAnswer> m_boxAnswers;
    std::deque<FileAnswer> m_fileAnswers;
    std::deque<std::function<void(CDialog&)>> m_dialogScripts;
    std::vector<OldShownBox> m_boxes;
    std::vector<FileDialogRequest> m_fileRequests;
    int m_dialogsRun = 0;
};
