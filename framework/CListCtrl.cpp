#include "framework/CListCtrl.h"

#include <QHeaderView>

#include "framework/ListViewControl.h"

namespace {
// Case-insensitive first, exact order as the tie-break: stable and what FindItem agrees with.
bool SortsBefore(const QString& a, const QString& b) {
    int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}
}  // namespace

ListViewControl* CListCtrl::View() const {
    return qobject_cast<ListViewControl*>(GetSafeHwnd());
}

int CListCtrl::InsertColumn(int column, const QString& heading, int, int width) {
    ListViewControl* view = View();
    if (!view)
        return -1;
    if (column >= view->columnCount())
        view->setColumnCount(column + 1);
    view->headerItem()->setText(column, heading);
    view->header()->resizeSection(column, width);
    return column;
}

void CListCtrl::SetExtendedStyle(UINT style) {
    if (ListViewControl* view = View())
        view->setAllColumnsShowFocus(style & LVS_EX_FULLROWSELECT);
}

int CListCtrl::InsertItem(const QString& text) {
    ListViewControl* view = View();
    if (!view)
        return -1;
    int row = 0;
    while (row < view->topLevelItemCount() && !SortsBefore(text, view->topLevelItem(row)->text(0)))
        ++row;
    auto* item = new QTreeWidgetItem(QStringList{text});
    view->insertTopLevelItem(row, item);
    return row;
}

int CListCtrl::FindItem(const QString& text) const {
    ListViewControl* view = View();
    for (int row = 0; view && row < view->topLevelItemCount(); ++row) {
        if (view->topLevelItem(row)->text(0) == text)
            return row;
    }
    return -1;
}

bool CListCtrl::SetItemText(int row, int column, const QString& text) {
    ListViewControl* view = View();
    if (!view || row < 0 || row >= view->topLevelItemCount())
        return false;
    view->topLevelItem(row)->setText(column, text);
    return true;
}

QString CListCtrl::GetItemText(int row, int column) const {
    ListViewControl* view = View();
    if (!view || row < 0 || row >= view->topLevelItemCount())
        return {};
    return view->topLevelItem(row)->text(column);
}

int CListCtrl::GetItemCount() const {
    ListViewControl* view = View();
    return view ? view->topLevelItemCount() : 0;
}

bool CListCtrl::SetItemState(int row, UINT state, UINT mask) {
    ListViewControl* view = View();
    if (!view || row < 0 || row >= view->topLevelItemCount())
        return false;
    QTreeWidgetItem* item = view->topLevelItem(row);
    if (mask & LVIS_FOCUSED) {
        if (state & LVIS_FOCUSED)
            view->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    }
    if (mask & LVIS_SELECTED) {
        // A single-selection list keeps one selected row, also when rows are selected in code.
        if ((state & LVIS_SELECTED) && view->selectionMode() == QAbstractItemView::SingleSelection)
            view->clearSelection();
        item->setSelected(state & LVIS_SELECTED);
    }
    return true;
}

UINT CListCtrl::GetItemState(int row, UINT mask) const {
    ListViewControl* view = View();
    if (!view || row < 0 || row >= view->topLevelItemCount())
        return 0;
    QTreeWidgetItem* item = view->topLevelItem(row);
    UINT state = 0;
    if (item->isSelected())
        state |= LVIS_SELECTED;
    if (view->currentItem() == item)
        state |= LVIS_FOCUSED;
    return state & mask;
}

int CListCtrl::GetNextItem(int start, UINT flags) const {
    for (int row = start + 1; row < GetItemCount(); ++row) {
        if (!(flags & LVNI_SELECTED) || GetItemState(row, LVIS_SELECTED))
            return row;
    }
    return -1;
}

void CListCtrl::DeleteAllItems() {
    if (ListViewControl* view = View())
        view->clear();
}
