#pragma once
// A test's user: answers every message box, file dialog and modal dialog from a script and
// records what was shown. Anything unexpected fails the test.
#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/Seams.h"

class QDialog;

struct ShownBox {
    QWidget* owner;
    QString text;
    QString caption;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

class ScriptedUser : public seams::MessageBoxService,
                     public seams::FileDialogService,
                     public seams::ModalLoopService {
public:
    ScriptedUser();
    ~ScriptedUser() override;

    // The next message box is answered with this button; check, if given, sees it first.
    void answerBox(QMessageBox::StandardButton answer, std::function<void(const ShownBox&)> check = {});
    // The next message box must have this text, caption, icon and buttons.
    void expectBox(const QString& text, const QString& caption, QMessageBox::Icon icon,
                   QMessageBox::StandardButtons buttons, QMessageBox::StandardButton answer);
    // The next message box is a warning with OK (a range or correction message) with this text.
    void expectWarning(const QString& text, const QString& caption);
    // The next file dialog ends with OK on this path, or is cancelled (nullopt).
    void answerFileDialog(std::optional<QString> path,
                          std::function<void(const seams::FileDialogRequest&)> check = {});
    // The next modal dialog is shown and driven by this script; the script accepts or rejects it.
    void driveDialog(std::function<void(QDialog&)> script);

    const std::vector<ShownBox>& boxes() const { return m_boxes; }
    const std::vector<seams::FileDialogRequest>& fileRequests() const { return m_fileRequests; }
    int dialogsRun() const { return m_dialogsRun; }
    void clearRecords();
    // Fails the test for any scripted answer nobody asked for.
    void verifyAllUsed();

    QMessageBox::StandardButton show(QWidget* owner, const QString& text, const QString& caption,
                                     QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) override;
    std::optional<QString> run(const seams::FileDialogRequest& request) override;
    int run(QDialog& dialog) override;

private:
    struct BoxAnswer {
        QMessageBox::StandardButton answer;
        std::function<void(const ShownBox&)> check;
    };
    struct FileAnswer {
        std::optional<QString> path;
        std::function<void(const seams::FileDialogRequest&)> check;
    };
    std::deque<BoxAnswer> m_boxAnswers;
    std::deque<FileAnswer> m_fileAnswers;
    std::deque<std::function<void(QDialog&)>> m_dialogScripts;
    std::vector<ShownBox> m_boxes;
    std::vector<seams::FileDialogRequest> m_fileRequests;
    int m_dialogsRun = 0;
};
