#include "ui/DialogFrame.h"

#include <QDialog>
#include <QLayout>

void UseDialogFrame(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (QLayout* layout = dialog.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
}
