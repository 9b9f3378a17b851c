#include "pages/CheckedRadioFocus.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QWidget>

CheckedRadioFocus::CheckedRadioFocus(QWidget* root) : QObject(root) {
    for (QButtonGroup* group : root->findChildren<QButtonGroup*>()) {
        for (QAbstractButton* button : group->buttons())
            button->installEventFilter(this);
    }
}

bool CheckedRadioFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
        return false;
    auto* button = static_cast<QAbstractButton*>(watched);
    QButtonGroup* group = button->group();
    QAbstractButton* checked = group ? group->checkedButton() : nullptr;
    if (!checked || checked == button || !checked->isEnabled() || !checked->isVisible())
        return false;
    // The focus goes on to the checked button, which takes the group's tab stop with it; the
    // unchecked one never shows the focus it held for a moment.
    checked->setFocus(reason);
    return true;
}
