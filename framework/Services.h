#pragma once
// The user-facing services every window uses, behind seams: production shows Qt's message boxes,
// file dialogs and modal loops; tests install a scripted user instead.
#include <QString>
#include <optional>

#include "framework/WinDefs.h"

class CDialog;
class CWnd;

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Returns IDOK, IDCANCEL, IDYES or IDNO, as MessageBox does.
    virtual int Show(CWnd* owner, const QString& text, const QString& caption, UINT style) = 0;
};

struct FileDialogRequest {
    bool open = true;  // open or save-as
    CWnd* owner = nullptr;
    QString filterName;     // "BM設定ファイル (*.dat)"
    QString filterPattern;  // "*.dat"
    QString defaultExtension;
    QString initialName;
    QString initialDirectory;
    bool overwritePrompt = false;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path on OK, nothing on cancel.
    virtual std::optional<QString> Run(const FileDialogRequest& request) = 0;
};

class ModalLoopService {
public:
    virtual ~ModalLoopService() = default;
    // Runs an initialised dialog until EndDialog; returns its result.
    virtual int Run(CDialog& dialog) = 0;
};

namespace fw {

MessageBoxService& MessageBoxes();
FileDialogService& FileDialogs();
ModalLoopService& ModalLoop();

// nullptr restores the Qt implementation.
void SetMessageBoxService(MessageBoxService* service);
void SetFileDialogService(FileDialogService* service);
void SetModalLoopService(ModalLoopService* service);

}  // namespace fw

// MessageBox(owner, text, caption, style) through the installed service.
int MessageBox(CWnd* owner, const QString& text, const QString& caption, UINT style);
