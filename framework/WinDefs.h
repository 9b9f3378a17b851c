#pragma once
// The Windows constants the program's classes are written against.
#include <cstdint>

using UINT = unsigned int;
using LRESULT = intptr_t;

// Dialog results and message box answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Message box styles.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONMASK = 0xF0;

// Messages.
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_HSCROLL = 0x0114;

// Control notification codes carried by WM_COMMAND.
constexpr int BN_CLICKED = 0;
constexpr int EN_SETFOCUS = 0x0100;
constexpr int EN_KILLFOCUS = 0x0200;
constexpr int EN_CHANGE = 0x0300;
constexpr int CBN_SELCHANGE = 1;
constexpr int CBN_SETFOCUS = 3;
constexpr int CBN_KILLFOCUS = 4;
constexpr int CBN_DROPDOWN = 7;
constexpr int CBN_CLOSEUP = 8;

// WM_NOTIFY codes.
constexpr int NM_CLICK = -2;
constexpr int NM_DBLCLK = -3;
constexpr int TCN_SELCHANGE = -551;
constexpr int TTN_NEEDTEXTA = -520;
constexpr int TTN_NEEDTEXTW = -530;

// Trackbar scroll codes (WM_HSCROLL).
constexpr int TB_LINEUP = 0;
constexpr int TB_LINEDOWN = 1;
constexpr int TB_PAGEUP = 2;
constexpr int TB_PAGEDOWN = 3;
constexpr int TB_THUMBPOSITION = 4;
constexpr int TB_THUMBTRACK = 5;
constexpr int TB_TOP = 6;
constexpr int TB_BOTTOM = 7;
constexpr int TB_ENDTRACK = 8;

// Menu item states.
constexpr UINT MF_ENABLED = 0x0;
constexpr UINT MF_GRAYED = 0x1;
constexpr UINT MF_DISABLED = 0x2;
constexpr UINT MF_BYCOMMAND = 0x0;
constexpr UINT MF_BYPOSITION = 0x400;
constexpr UINT MF_STRING = 0x0;
constexpr UINT MF_POPUP = 0x10;
constexpr UINT MF_OWNERDRAW = 0x100;
constexpr UINT MF_SEPARATOR = 0x800;
constexpr UINT MF_END = 0x80;

// System commands.
constexpr UINT SC_SIZE = 0xF000;
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_MAXIMIZE = 0xF030;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_RESTORE = 0xF120;

struct NMHDR {
    void* hwndFrom = nullptr;
    intptr_t idFrom = 0;
    int code = 0;
};

// Window and common-control styles of the bars.
constexpr UINT WS_CHILD = 0x40000000;
constexpr UINT WS_VISIBLE = 0x10000000;
constexpr UINT WS_BORDER = 0x00800000;
constexpr UINT CCS_TOP = 0x1;
constexpr UINT CCS_BOTTOM = 0x3;
constexpr UINT CCS_ADJUSTABLE = 0x20;
constexpr UINT TBSTYLE_TOOLTIPS = 0x100;

// Toolbar item states and styles.
constexpr uint8_t TBSTATE_ENABLED = 0x04;
constexpr uint8_t TBSTYLE_BUTTON = 0x00;
constexpr uint8_t TBSTYLE_SEP = 0x01;

// TTN_NEEDTEXTA / TTN_NEEDTEXTW: the tooltip asks for a tool's text. lpszText starts out
// pointing at the inline field; a handler fills the field or points lpszText elsewhere.
struct NMTTDISPINFOA {
    NMHDR hdr;
    const char* lpszText = nullptr;
    char szText[80] = {};
    UINT uFlags = 0;
    intptr_t lParam = 0;
};
struct NMTTDISPINFOW {
    NMHDR hdr;
    const char16_t* lpszText = nullptr;
    char16_t szText[80] = {};
    UINT uFlags = 0;
    intptr_t lParam = 0;
};
