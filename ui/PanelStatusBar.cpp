#include "ui/PanelStatusBar.h"

// An empty map, written out: the map macros need at least one entry.
const MessageMap* PanelStatusBar::GetThisMessageMap() {
    static const MessageMap map{CStatusBarCtrl::GetThisMessageMap(), {}};
    return &map;
}

bool PanelStatusBar::Create(CWnd* parent, int id) {
    if (!CStatusBarCtrl::Create(kStyle, QRect(), parent, id))
        return false;
    SetPartWidths();
    return true;
}

void PanelStatusBar::SetPartWidths() {
    const int width = GetWindowRect().width();
    const int unit = width / 10;
    const int rightEdges[2] = {static_cast<int>(unit * 6.5), -1};
    SetParts(2, rightEdges);
}
