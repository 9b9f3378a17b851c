#include "framework/ComboControl.h"

#include "framework/WinDefs.h"

ComboControl::ComboControl(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int) { Notify(CBN_SELCHANGE); });
}

void ComboControl::showPopup() {
    Notify(CBN_DROPDOWN);
    m_popupOpen = true;
    QComboBox::showPopup();
}

void ComboControl::hidePopup() {
    QComboBox::hidePopup();
    if (!m_popupOpen)
        return;
    m_popupOpen = false;
    Notify(CBN_CLOSEUP);
}

int ComboControl::SelectString(const QString& text) {
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            setCurrentIndex(i);
            return i;
        }
    }
    return -1;
}

void ComboControl::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    Notify(CBN_SETFOCUS);
}

void ComboControl::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    Notify(CBN_KILLFOCUS);
}
