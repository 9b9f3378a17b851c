#pragma once
#include "framework/CStatusBarCtrl.h"

// The main window's status bar: the printer name in part 0, its connection in part 1.
class PanelStatusBar : public CStatusBarCtrl {
public:
    static constexpr UINT kStyle = WS_CHILD | WS_VISIBLE | CCS_BOTTOM;

    using CStatusBarCtrl::Create;
    // Creates the bar on the parent's bottom edge and divides it into its two parts.
    bool Create(CWnd* parent, int id = 2016);
    // Part 0 ends at 6.5 tenths of the bar's width (in whole tenths); part 1 takes the rest.
    void SetPartWidths();

    DECLARE_MESSAGE_MAP()
};
