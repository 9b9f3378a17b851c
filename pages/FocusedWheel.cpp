#include "pages/FocusedWheel.h"

#include <QComboBox>
#include <QEvent>
#include <QSlider>
#include <QWidget>

FocusedWheel::FocusedWheel(QWidget* root) : QObject(root) {
    QList<QWidget*> controls;
    for (QComboBox* list : root->findChildren<QComboBox*>())
        controls.append(list);
    // Sliders, not every abstract slider: the scroll bars of an open list scroll as ever.
    for (QSlider* slider : root->findChildren<QSlider*>())
        controls.append(slider);
    for (QWidget* control : controls) {
        // A list's own policy takes the focus on the wheel, which would let the wheel through.
        if (control->focusPolicy() == Qt::WheelFocus)
            control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(this);
    }
}

bool FocusedWheel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
        return false;
    // Ignored, the wheel goes on to the widgets behind, as any wheel a control does not use; no
    // page or dialog scrolls.
    event->ignore();
    return true;
}
