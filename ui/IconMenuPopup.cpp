#include "ui/IconMenuPopup.h"

#include "ui/IconMenuStyle.h"
#include "ui/MenuCharFilter.h"

IconMenuPopup::IconMenuPopup(QWidget* parent) : QMenu(parent) {
    setSeparatorsCollapsible(false);
    setStyle(IconMenuStyle::Instance());
    installEventFilter(new MenuCharFilter(this));
}

void IconMenuPopup::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    m_styledAction = action;
}
