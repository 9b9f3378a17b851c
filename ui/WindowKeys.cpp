#include "ui/WindowKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>

namespace {

QKeySequence SequenceOf(const QKeyEvent* key) {
    return QKeySequence(key->keyCombination().toCombined() & ~Qt::KeypadModifier);
}

QString TextOf(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->buddy() ? label->text() : QString();
    if (const auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return {};
}

bool TakesFocus(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible();
}

// What the mnemonic does: a label gives the focus to its control, a group box to its first
// control (the checked one of a radio group), a button is pressed.
void Activate(QWidget* target) {
    if (auto* label = qobject_cast<QLabel*>(target)) {
        label->buddy()->setFocus(Qt::ShortcutFocusReason);
    } else if (auto* box = qobject_cast<QGroupBox*>(target)) {
        QWidget* first = nullptr;
        for (QWidget* w = box->nextInFocusChain(); w != box && box->isAncestorOf(w);
             w = w->nextInFocusChain()) {
            if (!TakesFocus(w))
                continue;
            if (auto* radio = qobject_cast<QRadioButton*>(w); radio && radio->isChecked()) {
                first = w;
                break;
            }
            if (!first)
                first = w;
        }
        if (first)
            first->setFocus(Qt::ShortcutFocusReason);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setFocus(Qt::ShortcutFocusReason);
        button->click();
    }
}

}  // namespace

WindowKeys::WindowKeys(QWidget* window) : QObject(window), m_window(window) {
    qApp->installEventFilter(this);
}

WindowKeys::~WindowKeys() {
    qApp->removeEventFilter(this);
}

QAction* WindowKeys::commandFor(const QKeyEvent* key) const {
    const QKeySequence pressed = SequenceOf(key);
    for (QAction* action : m_window->actions()) {
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
            return action;
    }
    return nullptr;
}

QWidget* WindowKeys::controlFor(const QKeyEvent* key) const {
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier)
        return nullptr;
    const QKeySequence pressed = SequenceOf(key);
    QWidget* start = m_window->focusWidget() ? m_window->focusWidget() : m_window;
    QMenuBar* menuBar = m_window->findChild<QMenuBar*>();
    for (QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
        if (!w->isVisible() || !w->isEnabled() || (menuBar && menuBar->isAncestorOf(w)))
            continue;
        const QString text = TextOf(w);
        if (!text.isEmpty() && QKeySequence::mnemonic(text) == pressed)
            return w;
    }
    return nullptr;
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (QAction* command = commandFor(key)) {
        // Left unclaimed, the override lets Qt's shortcut run the command; a key press that still
        // arrives found no enabled command in an active window.
        if (event->type() == QEvent::KeyPress && command->isEnabled())
            command->trigger();
        return true;
    }
    if (QWidget* control = controlFor(key)) {
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        else
            Activate(control);
        return true;
    }
    return false;
}
