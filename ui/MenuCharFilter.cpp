#include "ui/MenuCharFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include "ui/IconMenu.h"

bool MenuCharFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* menu = qobject_cast<QMenu*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (!menu || text.size() != 1 || !text[0].isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    if (!IconMenu::IsIconMenu(menu))
        return false;
    const LRESULT answer = IconMenu::FindMnemonic(text[0].unicode(), MF_POPUP, menu);
    const QList<QAction*> items = menu->actions();
    const int position = static_cast<int>(answer & 0xFFFF);
    if ((answer >> 16) != IconMenu::MNC_EXECUTE || position >= items.size()) {
        QApplication::beep();
        return true;
    }
    QAction* item = items[position];
    // A grayed item cannot be chosen; the drop-down stays open.
    if (!item->isEnabled())
        return true;
    menu->setActiveAction(item);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(menu, &enter);
    return true;
}
