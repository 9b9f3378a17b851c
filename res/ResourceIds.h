#pragma once
#include "res/Images.h"
// Resource and command identifiers shared by the main window, the pages and the bars.
namespace res {

// Dialog templates.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_MAIN = 102;
constexpr int IDD_MSW1 = 129;
constexpr int IDD_MSW2 = 130;
constexpr int IDD_MSW3 = 131;
constexpr int IDD_MSW4 = 132;
constexpr int IDD_PARAM = 133;
constexpr int IDD_SELECT = 134;
constexpr int IDD_PRINTER_SELECT = 152;
constexpr int IDD_FORMAT = 182;
constexpr int IDD_PARAM2 = 183;

// Menu, accelerators, icon and bitmaps.
constexpr int IDR_MAINMENU = 142;

// Commands.
constexpr int ID_APP_ABOUT = 16;
constexpr int ID_PAGE_SELECT = 32771;
constexpr int ID_PAGE_MSW1 = 32773;
constexpr int ID_PAGE_MSW2 = 32778;
constexpr int ID_PAGE_MSW3 = 32779;
constexpr int ID_PAGE_MSW4 = 32780;
constexpr int ID_LOAD_SETTINGS = 32781;
constexpr int ID_SAVE_SETTINGS = 32782;
constexpr int ID_EXIT_APP = 32783;
constexpr int ID_SEND_SETTINGS = 32784;
constexpr int ID_FACTORY_SETTINGS = 32785;
constexpr int ID_SELECT_PRINTER = 32798;
constexpr int ID_PAGE_PARAM = 32801;
constexpr int ID_PAGE_PARAM2 = 32802;
constexpr int ID_DATA_CHECK = 32805;
constexpr int ID_HELP_CONTENTS = 32806;

// Toolbar buttons (their string-table entries are the tooltips).
constexpr int ID_TB_LOAD = 2000;
constexpr int ID_TB_SAVE = 2001;
constexpr int ID_TB_SEND = 2002;
constexpr int ID_TB_FACTORY = 2003;
constexpr int ID_TB_PRINTER = 2004;
constexpr int IDC_TOOLBAR = 2016;
constexpr int IDC_STATUSBAR = 2016;

// Main window controls.
constexpr int IDC_TAB = 1000;

}  // namespace res
