#pragma once
#include <QIcon>
#include <QPixmap>

namespace res {

// The compiled-in images by their resource numbers: the program icon, the toolbar strip of five
// pictures, the menu pictures 160..167 and the tab strip of four.
constexpr int IDI_APP = 128;
constexpr int IDB_TOOLBAR = 150;
constexpr int IDB_TABS = 168;

enum class MenuImage { ParamPage = 165, SwitchPage = 166, SelectPage = 167 };

// Makes the images compiled into this static library reachable; safe to call any number of times.
void InitImageResources();

// Bitmap resources 150, 160..167 and 168 as drawn, on the button-face grey; null for other ids.
QPixmap LoadBitmapResource(int id);
// Icon resources (128) with every size drawn for them; a null icon for any other id.
QIcon LoadIconResource(int id);

// The pictures as icons, the button-face grey made transparent.
QIcon AppIcon();
QIcon ToolbarIcon(int index);  // load, save, send, factory, printer
QIcon MenuIcon(MenuImage image);
QIcon TabIcon(int index);

}  // namespace res
