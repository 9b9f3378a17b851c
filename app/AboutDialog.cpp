#include "app/AboutDialog.h"

#include "res/Images.h"
#include "ui/DialogFrame.h"
#include "ui_AboutDialog.h"

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::AboutDialog>()) {
    m_ui->setupUi(this);
    UseDialogFrame(*this);
    // The icon as drawn at 32 pixels, as the desktop shows a program's large icon.
    m_ui->icon->setPixmap(res::LoadIconResource(res::IDI_APP).pixmap(QSize(32, 32), devicePixelRatioF()));
}

AboutDialog::~AboutDialog() = default;
