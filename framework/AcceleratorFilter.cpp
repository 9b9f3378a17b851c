#include "framework/AcceleratorFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "framework/CMenu.h"
#include "framework/CWnd.h"

namespace {

int QtKeyFor(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return Qt::Key_A + (virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return Qt::Key_0 + (virtualKey - '0');
    if (virtualKey == res::VK_F1)
        return Qt::Key_F1;
    return 0;
}

}  // namespace

AcceleratorFilter::AcceleratorFilter(CWnd& target, int tableId) : m_target(target) {
    if (const auto* table = res::FindAcceleratorTable(tableId))
        m_table = *table;
    qApp->installEventFilter(this);
}

AcceleratorFilter::~AcceleratorFilter() {
    if (qApp)
        qApp->removeEventFilter(this);
}

bool AcceleratorFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* root = m_target.GetSafeHwnd();
    if (!widget || !root || (widget != root && !root->isAncestorOf(widget)))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    for (const res::Accelerator& a : m_table) {
        if (key->key() != QtKeyFor(a.virtualKey))
            continue;
        if (mods != (a.ctrl ? Qt::ControlModifier : Qt::NoModifier))
            continue;
        if (event->type() == QEvent::ShortcutOverride) {
            // Claim the key so that the control's own shortcut (Ctrl+C in an edit) stays out of it.
            event->accept();
            return true;
        }
        if (!m_menu || m_menu->IsCommandEnabled(static_cast<UINT>(a.command)))
            m_target.OnCommand(a.command, 0);
        return true;
    }
    return false;
}
