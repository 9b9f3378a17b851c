#pragma once
#include <QString>

#include "framework/CWnd.h"

class ListViewControl;

constexpr UINT LVS_EX_FULLROWSELECT = 0x20;
constexpr UINT LVIS_FOCUSED = 0x1;
constexpr UINT LVIS_SELECTED = 0x2;
constexpr UINT LVNI_SELECTED = 0x2;
constexpr int LVCFMT_LEFT = 0;

// The report-style list view as the program drives it; rows stay sorted ascending by their
// first column, as with LVS_SORTASCENDING.
class CListCtrl : public CWnd {
public:
    int InsertColumn(int column, const QString& heading, int format, int width);
    void SetExtendedStyle(UINT style);
    // Inserts a row in sorted place and returns its index.
    int InsertItem(const QString& text);
    // LVFI_STRING: the first row from the start whose text equals this one; -1 when none.
    int FindItem(const QString& text) const;
    bool SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const;
    int GetItemCount() const;
    bool SetItemState(int row, UINT state, UINT mask);
    UINT GetItemState(int row, UINT mask) const;
    // LVNI_SELECTED search after a row (-1: from the start); -1 when none.
    int GetNextItem(int start, UINT flags) const;
    void DeleteAllItems();

private:
    ListViewControl* View() const;
};
