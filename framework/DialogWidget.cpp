#include "framework/DialogWidget.h"

#include <QCloseEvent>

#include "framework/CDialog.h"

DialogWidget::DialogWidget(CDialog& owner, QWidget* parent) : QDialog(parent), m_owner(owner) {}

void DialogWidget::reject() {
    // Esc: the IDCANCEL command, which the dialog may ignore.
    m_owner.OnCommand(IDCANCEL, 0);
}

void DialogWidget::accept() {
    m_owner.OnCommand(IDOK, 0);
}

void DialogWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_owner.OnSysCommand(SC_CLOSE);
}
