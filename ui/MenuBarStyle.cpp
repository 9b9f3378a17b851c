#include "ui/MenuBarStyle.h"

#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

int MenuBarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation || hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ApplyMenuBarStyle(QMenuBar* bar) {
    auto* style = new MenuBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
    for (QMenu* menu : bar->findChildren<QMenu*>())
        menu->setStyle(style);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().first());
    });
}
