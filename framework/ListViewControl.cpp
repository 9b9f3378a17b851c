#include "framework/ListViewControl.h"

#include <QHeaderView>

#include "framework/WinDefs.h"

ListViewControl::ListViewControl(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void ListViewControl::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    Notify(NM_DBLCLK);
}
