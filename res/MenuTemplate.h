#pragma once
// Menu 142 in the layout of a Windows MENU resource: per item an option word,
// an id (absent for popups), a label. Separators are option 0, id 0, empty label.
#include <cstdint>
#include <vector>

namespace res {

constexpr uint16_t MF_GRAYED_OPT = 0x0001;
constexpr uint16_t MF_POPUP_OPT = 0x0010;
constexpr uint16_t MF_END_OPT = 0x0080;

struct MenuTemplateItem {
    uint16_t option;
    uint16_t id;  // unused for popups
    const char16_t* label;
};

// nullptr when the menu resource does not exist.
const std::vector<MenuTemplateItem>* FindMenuTemplate(int id);

struct Accelerator {
    bool ctrl;
    int virtualKey;  // 'A'..'Z', '0'..'9', or 0x70 for F1
    int command;
};

constexpr int VK_F1 = 0x70;

// nullptr when the accelerator table does not exist.
const std::vector<Accelerator>* FindAcceleratorTable(int id);

}  // namespace res
