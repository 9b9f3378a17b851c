#include "ui/MenuBarStyle.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionMenuItem>

int MenuBarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation || hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    // Qt's styles leave a grayed item plain even when it is the active one: it is drawn as an
    // active item on the highlight, with the grayed text and picture.
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item || !(item->state & State_Selected) || (item->state & State_Enabled)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem shown(*item);
    shown.state |= State_Enabled;
    shown.palette.setCurrentColorGroup(QPalette::Active);
    shown.palette.setColor(QPalette::Active, QPalette::HighlightedText,
                           item->palette.color(QPalette::Disabled, QPalette::Text));
    if (!item->icon.isNull()) {
        const int size = pixelMetric(PM_SmallIconSize, option, widget);
        const QPixmap grayed =
            item->icon.pixmap(QSize(size, size), painter->device()->devicePixelRatioF(), QIcon::Disabled);
        shown.icon = QIcon();
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected})
            shown.icon.addPixmap(grayed, mode);
    }
    QProxyStyle::drawControl(element, &shown, painter, widget);
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
