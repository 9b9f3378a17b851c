#include "framework/QtServices.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "framework/CDialog.h"

int QtMessageBoxService::Show(CWnd* owner, const QString& text, const QString& caption, UINT style) {
    QWidget* parent = owner ? owner->GetSafeHwnd() : nullptr;
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (style & MB_ICONMASK) {
        case MB_ICONHAND:
            box.setIcon(QMessageBox::Critical);
            break;
        case MB_ICONQUESTION:
            box.setIcon(QMessageBox::Question);
            break;
        case MB_ICONEXCLAMATION:
            box.setIcon(QMessageBox::Warning);
            break;
        case MB_ICONINFORMATION:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
    }
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MB_YESNOCANCEL:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok:
            return IDOK;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return (style & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
}

std::optional<QString> QtFileDialogService::Run(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner ? request.owner->GetSafeHwnd() : nullptr);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filterName.contains(request.filterPattern)
                             ? request.filterName
                             : request.filterName + QStringLiteral(" (") + request.filterPattern +
                                   QStringLiteral(")"));
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setDirectory(request.initialDirectory);
    if (!request.initialName.contains(QLatin1Char('*')))
        dialog.selectFile(request.initialName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

int QtModalLoopService::Run(CDialog& dialog) {
    auto* widget = qobject_cast<QDialog*>(dialog.GetSafeHwnd());
    if (!widget)
        return -1;
    return widget->exec();
}
