#include "ui/IconMenuStyle.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QStyleOption>
#include <algorithm>

#include "framework/CMenu.h"
#include "ui/IconMenuPopup.h"

namespace {

// The owner-drawn item a style request is about, and the menu object that draws it.
const QAction* OwnerDrawnItem(const QWidget* widget, CMenu** owner) {
    const auto* popup = qobject_cast<const IconMenuPopup*>(widget);
    const QAction* action = popup ? popup->StyledAction() : nullptr;
    if (!action || !CMenu::IsOwnerDrawn(action) || !CMenu::GetItemData(action))
        return nullptr;
    *owner = CMenu::FromHandlePermanent(popup);
    return *owner ? action : nullptr;
}

}  // namespace

IconMenuStyle* IconMenuStyle::Instance() {
    static QPointer<IconMenuStyle> instance;
    if (!instance) {
        instance = new IconMenuStyle;
        instance->setParent(qApp);
    }
    return instance;
}

QSize IconMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const {
    CMenu* owner = nullptr;
    const QAction* action = type == CT_MenuItem ? OwnerDrawnItem(widget, &owner) : nullptr;
    if (!action)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    MEASUREITEMSTRUCT request;
    request.itemID = CMenu::GetItemId(action);
    request.itemData = CMenu::GetItemData(action);
    owner->MeasureItem(&request);
    // Qt leaves out rows of no width; the drop-down is as wide as its widest item anyway.
    return QSize(std::max<int>(1, static_cast<int>(request.itemWidth)), static_cast<int>(request.itemHeight));
}

void IconMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    CMenu* owner = nullptr;
    const QAction* action = element == CE_MenuItem ? OwnerDrawnItem(widget, &owner) : nullptr;
    if (!action) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    DRAWITEMSTRUCT request;
    request.itemID = CMenu::GetItemId(action);
    if (option->state & State_Selected)
        request.itemState |= ODS_SELECTED;
    if (!(option->state & State_Enabled))
        request.itemState |= ODS_GRAYED | ODS_DISABLED;
    if (item && item->checked)
        request.itemState |= ODS_CHECKED;
    request.hwndItem = const_cast<QMenu*>(qobject_cast<const QMenu*>(widget));
    request.hDC = painter;
    request.rcItem = option->rect;
    request.itemData = CMenu::GetItemData(action);
    owner->DrawItem(&request);
}
