#include "ui/ToolTipsAtRest.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

ToolTipsAtRest::ToolTipsAtRest(QToolBar* bar) : QObject(bar), m_buttons(bar->findChildren<QToolButton*>()) {
    m_wakeUp.setSingleShot(true);
    connect(&m_wakeUp, &QTimer::timeout, this, &ToolTipsAtRest::wakeUp);
    for (QToolButton* button : m_buttons)
        button->installEventFilter(this);
    // The window may become active only after the mouse came: the window manager decides.
    bar->window()->installEventFilter(this);
}

bool ToolTipsAtRest::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        for (QToolButton* button : m_buttons) {
            if (button->underMouse())
                arm(button);
        }
        return false;
    }
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!button)
        return false;
    switch (event->type()) {
        case QEvent::Enter:
            arm(button);
            break;
        case QEvent::Leave:
        case QEvent::MouseMove:  // from here on Qt's own tooltip takes over
        case QEvent::MouseButtonPress:
            m_wakeUp.stop();
            break;
        default:
            break;
    }
    return false;
}

void ToolTipsAtRest::arm(QToolButton* button) {
    m_entered = button;
    m_wakeUp.start(button->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, button));
}

void ToolTipsAtRest::wakeUp() {
    // As Qt's own: only in the active window, with no menu open.
    if (!m_entered || !m_entered->underMouse() || !m_entered->window()->isActiveWindow() ||
        QApplication::activePopupWidget() || QToolTip::isVisible())
        return;
    const QPoint global = QCursor::pos();
    QHelpEvent help(QEvent::ToolTip, m_entered->mapFromGlobal(global), global);
    QCoreApplication::sendEvent(m_entered, &help);
}
