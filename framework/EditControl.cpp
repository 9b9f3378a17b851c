#include "framework/EditControl.h"

#include <QRegularExpressionValidator>

#include "framework/WinDefs.h"

EditControl::EditControl(QWidget* parent, bool digitsOnly) : QLineEdit(parent) {
    if (digitsOnly) {
        setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    }
    connect(this, &QLineEdit::textChanged, this, [this] { Notify(EN_CHANGE); });
}

void EditControl::SetTextNotifying(const QString& text) {
    if (text == this->text()) {
        Notify(EN_CHANGE);
    } else {
        setText(text);
    }
}

void EditControl::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    Notify(EN_SETFOCUS);
}

void EditControl::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Notify(EN_KILLFOCUS);
}
