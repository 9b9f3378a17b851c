#pragma once
#include <QLineEdit>

#include "framework/ControlNotifier.h"

// Edit control: EN_CHANGE on every text change, EN_SETFOCUS / EN_KILLFOCUS.
class EditControl : public QLineEdit, public ControlNotifier {
    Q_OBJECT
public:
    explicit EditControl(QWidget* parent, bool digitsOnly);
    // WM_SETTEXT: a change notice even when the text stays the same.
    void SetTextNotifying(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
