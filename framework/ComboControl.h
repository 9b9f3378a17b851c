#pragma once
#include <QComboBox>

#include "framework/ControlNotifier.h"

// Drop-down list: CBN_SELCHANGE only for the user's choice, plus drop-down, close-up and focus notices.
class ComboControl : public QComboBox, public ControlNotifier {
    Q_OBJECT
public:
    explicit ComboControl(QWidget* parent);
    void showPopup() override;
    void hidePopup() override;
    // CB_SELECTSTRING: the first item that starts with the text, ignoring case; -1 leaves the selection.
    int SelectString(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Qt also calls hidePopup when the box is hidden; only a list that was open closes up.
    bool m_popupOpen = false;
};
