#pragma once
#include "framework/Services.h"

// The services as the running program offers them, on Qt's own dialogs.
class QtMessageBoxService : public MessageBoxService {
public:
    int Show(CWnd* owner, const QString& text, const QString& caption, UINT style) override;
};

class QtFileDialogService : public FileDialogService {
public:
    std::optional<QString> Run(const FileDialogRequest& request) override;
};

class QtModalLoopService : public ModalLoopService {
public:
    int Run(CDialog& dialog) override;
};
