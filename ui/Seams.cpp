#include "ui/Seams.h"

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

namespace seams {

namespace {

class QtMessageBoxes : public MessageBoxService {
public:
    QMessageBox::StandardButton show(QWidget* owner, const QString& text, const QString& caption,
                                     QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) override {
        QMessageBox box(icon, caption, text, buttons, owner);
        if (buttons.testFlag(QMessageBox::Cancel))
            box.setEscapeButton(QMessageBox::Cancel);
        const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
        if (answer != QMessageBox::NoButton && buttons.testFlag(answer))
            return answer;
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    }
};

class QtFileDialogs : public FileDialogService {
public:
    std::optional<QString> run(const FileDialogRequest& request) override {
        QFileDialog dialog(request.owner);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setNameFilter(request.filterName.contains(request.filterPattern)
                                 ? request.filterName
                                 : request.filterName + QStringLiteral(" (") + request.filterPattern +
                                       QStringLiteral(")"));
        dialog.setDefaultSuffix(request.defaultExtension);
        dialog.setDirectory(request.initialDirectory);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
        // The name box starts with the initial name (a pattern such as "*.dat" too), all selected,
        // once the dialog has set up its own fields.
        QTimer::singleShot(0, &dialog, [&dialog, name = request.initialName] {
            if (auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                edit->setText(name);
                edit->selectAll();
            }
        });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }
};

class QtModalLoop : public ModalLoopService {
public:
    int run(QDialog& dialog) override { return dialog.exec(); }
};

QtMessageBoxes g_qtBoxes;
QtFileDialogs g_qtFiles;
QtModalLoop g_qtLoop;
MessageBoxService* g_boxes = nullptr;
FileDialogService* g_files = nullptr;
ModalLoopService* g_loop = nullptr;

}  // namespace

MessageBoxService& messageBoxes() {
    return g_boxes ? *g_boxes : g_qtBoxes;
}
FileDialogService& fileDialogs() {
    return g_files ? *g_files : g_qtFiles;
}
ModalLoopService& modalLoop() {
    return g_loop ? *g_loop : g_qtLoop;
}

void setMessageBoxService(MessageBoxService* service) {
    g_boxes = service;
}
void setFileDialogService(FileDialogService* service) {
    g_files = service;
}
void setModalLoopService(ModalLoopService* service) {
    g_loop = service;
}

QMessageBox::StandardButton messageBox(QWidget* owner, const QString& text, const QString& caption,
                                       QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
    return messageBoxes().show(owner, text, caption, icon, buttons);
}

void warn(QWidget* owner, const QString& text, const QString& caption) {
    messageBox(owner, text, caption, QMessageBox::Warning, QMessageBox::Ok);
}

}  // namespace seams
