#include "framework/Services.h"

#include "framework/QtServices.h"

namespace fw {

namespace {
QtMessageBoxService g_qtBoxes;
QtFileDialogService g_qtFiles;
QtModalLoopService g_qtLoop;
MessageBoxService* g_boxes = nullptr;
FileDialogService* g_files = nullptr;
ModalLoopService* g_loop = nullptr;
}  // namespace

MessageBoxService& MessageBoxes() {
    return g_boxes ? *g_boxes : g_qtBoxes;
}
FileDialogService& FileDialogs() {
    return g_files ? *g_files : g_qtFiles;
}
ModalLoopService& ModalLoop() {
    return g_loop ? *g_loop : g_qtLoop;
}

void SetMessageBoxService(MessageBoxService* service) {
    g_boxes = service;
}
void SetFileDialogService(FileDialogService* service) {
    g_files = service;
}
void SetModalLoopService(ModalLoopService* service) {
    g_loop = service;
}

}  // namespace fw

int MessageBox(CWnd* owner, const QString& text, const QString& caption, UINT style) {
    return fw::MessageBoxes().Show(owner, text, caption, style);
}
