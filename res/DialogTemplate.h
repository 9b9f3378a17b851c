#pragma once
// Dialog templates as plain data: what a Windows .rc DIALOGEX resource would hold.
#include <initializer_list>
#include <vector>

namespace res {

enum class ControlKind {
    Static,  // LTEXT / CTEXT
    Icon,    // static with SS_ICON; text holds the icon resource id as decimal
    GroupBox,
    PushButton,
    DefPushButton,
    RadioButton,  // BS_AUTORADIOBUTTON
    CheckBox,     // BS_AUTOCHECKBOX
    Edit,
    ComboBox,  // CBS_DROPDOWNLIST
    UpDown,    // UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS: buddy is the control before it
    Trackbar,  // TBS_AUTOTICKS, horizontal
    ListView,  // LVS_REPORT | LVS_SINGLESEL | LVS_SORTASCENDING
    TabControl,
};

// Style bits we keep from the Windows styles; only the ones the program reads.
enum ControlStyle : unsigned {
    kGroup = 0x1,       // WS_GROUP: starts a radio group
    kHidden = 0x2,      // not WS_VISIBLE
    kDisabled = 0x4,    // WS_DISABLED
    kNumber = 0x8,      // ES_NUMBER
    kCentered = 0x10,   // SS_CENTER
    kMultiline = 0x20,  // BS_MULTILINE / TCS_MULTILINE
    kTabStop = 0x40,    // WS_TABSTOP
    kBorder = 0x80,     // WS_BORDER
    kRight = 0x100,     // SS_RIGHT
};

struct ControlTemplate {
    ControlKind kind;
    int id;            // -1 for controls the program never addresses
    const char* text;  // UTF-8
    int x, y, cx, cy;  // dialog units
    unsigned style = 0;
    std::vector<const char*> items = {};  // combo box items, in order
};

struct DialogTemplate {
    int id;
    const char* caption;  // UTF-8; empty for child pages
    int cx, cy;           // dialog units
    const char* fontFace;
    int fontPoints;
    bool child;  // WS_CHILD page (no caption) or a popup dialog
    std::vector<ControlTemplate> controls;
};

// All templates of the program, by resource id; nullptr when unknown.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace res
