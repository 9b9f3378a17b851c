#pragma once
// What the program asks of its user, behind seams: message boxes, file dialogs and modal dialogs.
// Production shows Qt's own; tests install a scripted user that answers each from a script.
// Nothing else in the program calls QMessageBox or QFileDialog.
#include <QMessageBox>
#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace seams {

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // The button the user chose; Escape or closing gives Cancel when the box has one, else Ok.
    virtual QMessageBox::StandardButton show(QWidget* owner, const QString& text, const QString& caption,
                                             QMessageBox::Icon icon,
                                             QMessageBox::StandardButtons buttons) = 0;
};

struct FileDialogRequest {
    bool open = true;  // open or save as
    QWidget* owner = nullptr;
    QString filterName;     // "BM設定ファイル (*.dat)"
    QString filterPattern;  // "*.dat"
    QString defaultExtension;
    QString initialName;  // shown in the name box, selected, so typing replaces it
    QString initialDirectory;
    bool overwritePrompt = false;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path on OK, nothing on cancel.
    virtual std::optional<QString> run(const FileDialogRequest& request) = 0;
};

class ModalLoopService {
public:
    virtual ~ModalLoopService() = default;
    // Runs a dialog until it is accepted or rejected; returns QDialog::Accepted or Rejected.
    virtual int run(QDialog& dialog) = 0;
};

MessageBoxService& messageBoxes();
FileDialogService& fileDialogs();
ModalLoopService& modalLoop();

// nullptr restores Qt's own.
void setMessageBoxService(MessageBoxService* service);
void setFileDialogService(FileDialogService* service);
void setModalLoopService(ModalLoopService* service);

// The shorthand every window uses.
QMessageBox::StandardButton messageBox(QWidget* owner, const QString& text, const QString& caption,
                                       QMessageBox::Icon icon,
                                       QMessageBox::StandardButtons buttons = QMessageBox::Ok);
// A warning with OK only: what the range and correction messages show.
void warn(QWidget* owner, const QString& text, const QString& caption);

}  // namespace seams
