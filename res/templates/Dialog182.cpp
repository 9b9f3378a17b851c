#include <vector>

#include "res/templates/Templates.h"

namespace res {

namespace {

struct IntakeRow {
    const char* label;
    int trackbar;
    int edit;
    int spin;
    int y;
    bool postcard;
};

// One row per paper path: label, trackbar with its stop marks below, edit with its spin and unit.
void AddIntakeRow(std::vector<ControlTemplate>& controls, const IntakeRow& row) {
    const int y = row.y;
    controls.push_back({ControlKind::Static, -1, row.label, 12, y, 55, 20});
    controls.push_back({ControlKind::Trackbar, row.trackbar, "", 68, y, 49, 12, kTabStop});
    controls.push_back({ControlKind::Edit, row.edit, "", 137, y, 20, 15, kNumber | kTabStop | kBorder});
    controls.push_back({ControlKind::UpDown, row.spin, "", 157, y, 9, 15});
    controls.push_back({ControlKind::Static, -1, "/120インチ", 151, y + 16, 35, 8});
    controls.push_back({ControlKind::Static, -1, "1/2", 89, y + 13, 11, 8});
    controls.push_back({ControlKind::Static, -1, "1", 109, y + 13, 5, 8});
    controls.push_back({ControlKind::Static, -1, "インチ", 116, y + 13, 21, 8});
    if (row.postcard)
        controls.push_back({ControlKind::Static, -1, "11.5", 69, y + 21, 14, 8});
    else
        controls.push_back({ControlKind::Static, -1, "9.7", 69, y + 21, 11, 8});
    controls.push_back({ControlKind::Static, -1, "mm", 116, y + 21, 13, 8});
}

std::vector<ControlTemplate> FormatControls() {
    std::vector<ControlTemplate> c;
    c.push_back({ControlKind::GroupBox, -1, "吸入位置", 5, 5, 183, 165});
    AddIntakeRow(c, {"フロントトラクタ(&F)", 1094, 1060, 1099, 15, false});
    AddIntakeRow(c, {"リアトラクタ(&B)", 1100, 1200, 1101, 45, false});
    AddIntakeRow(c, {"シートガイド(&G)", 1095, 1062, 1098, 75, false});
    AddIntakeRow(c, {"シートフィーダ(&S)", 1102, 1066, 1103, 105, false});
    AddIntakeRow(c, {"はがき(&P)", 1096, 1064, 1065, 135, true});
    const unsigned edit = kNumber | kTabStop | kBorder;
    c.push_back({ControlKind::Static, -1, "用紙長(&N)", 11, 177, 37, 15});
    c.push_back({ControlKind::Edit, 1054, "", 78, 177, 20, 15, edit});
    c.push_back({ControlKind::UpDown, 1097, "", 98, 177, 10, 15});
    c.push_back({ControlKind::Static, -1, "行", 112, 177, 8, 15});
    c.push_back({ControlKind::Static, 1209, "レフトマージン幅(&L)", 11, 202, 62, 15});
    c.push_back({ControlKind::Edit, 1201, "", 78, 202, 20, 15, edit});
    c.push_back({ControlKind::UpDown, 1203, "", 98, 202, 10, 15});
    c.push_back({ControlKind::Static, 1210, "桁", 112, 202, 8, 15});
    c.push_back({ControlKind::Static, 1211, "ライトマージン幅(&R)", 11, 227, 61, 15});
    c.push_back({ControlKind::Edit, 1202, "", 78, 227, 20, 15, edit});
    c.push_back({ControlKind::UpDown, 1204, "", 98, 227, 10, 15});
    c.push_back({ControlKind::Static, 1212, "桁", 112, 227, 8, 15});
    c.push_back({ControlKind::DefPushButton, 1, "OK", 136, 208, 50, 14, kGroup | kTabStop});
    c.push_back({ControlKind::PushButton, 2, "キャンセル", 136, 228, 50, 14, kTabStop});
    return c;
}

}  // namespace

// Format settings: the intake positions of the five paper paths in one group box, then the paper
// length and the two margins, with OK and Cancel beside them.
const DialogTemplate& Dialog182() {
    static const DialogTemplate t{182,   "書式の設定： ", 193, 255, "ＭＳ Ｐゴシック", 9,
                                  false, FormatControls()};
    return t;
}

}  // namespace res
