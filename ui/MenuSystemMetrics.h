#pragma once
#include <QColor>
#include <QFont>

// The system colours, fonts and metrics that menu drawing uses, taken from Qt: the menu's
// palette and font stand in for the Windows menu colours and the non-client menu font.
struct MenuSystemMetrics {
    QColor menu;           // COLOR_MENU: QPalette::Window of menus
    QColor menuText;       // COLOR_MENUTEXT: WindowText
    QColor highlight;      // COLOR_HIGHLIGHT: Highlight
    QColor highlightText;  // COLOR_HIGHLIGHTTEXT: HighlightedText
    QColor grayText;       // COLOR_GRAYTEXT: the disabled group's Text
    QColor btnFace;        // COLOR_BTNFACE (= COLOR_3DFACE): Button
    QColor btnText;        // COLOR_BTNTEXT: ButtonText
    QColor btnShadow;      // COLOR_BTNSHADOW: Dark
    QColor btnHighlight;   // COLOR_BTNHIGHLIGHT: Light
    QColor light3d;        // COLOR_3DLIGHT: Midlight
    QFont menuFont;        // the menu font of the non-client metrics
    // SM_CYMENU: the height of a one-line menu bar, taken as the size hint of a one-item
    // QMenuBar in the menu font (so it follows the style's margins and the font).
    int menuBarHeight = 19;

    // The values in force: the test values when set, else the application's.
    static MenuSystemMetrics Current();
    // Fixed values for tests; nullptr returns to the application's.
    static void SetForTesting(const MenuSystemMetrics* metrics);
};
