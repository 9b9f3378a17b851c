#include <vector>

#include "res/templates/Templates.h"

namespace res {

// Parameter setting 1: head-centring positions on top, then the kanji table, the fonts and the
// two radio groups side by side at the bottom.
const DialogTemplate& Dialog133() {
    static const std::vector<const char*> kFonts{"標準", "イタリック", "クーリエ", "ゴシック", "OCR-B"};
    static const std::vector<const char*> kKanjiTables{"JIS1978年版", "JIS1983年版", "JIS1990年版"};
    static const DialogTemplate t{
        133,
        "",
        230,
        190,
        "ＭＳ Ｐゴシック",
        9,
        true,
        {
            {ControlKind::GroupBox, -1, "用紙吸入時ヘッドセンタリング位置", 7, 7, 216, 68},
            {ControlKind::Static, -1, "カット紙(&C)", 16, 23, 80, 8},
            {ControlKind::Edit, 1061, "", 100, 21, 28, 12, kNumber | kTabStop | kBorder},
            {ControlKind::UpDown, 1055, "", 128, 21, 10, 12},
            {ControlKind::Static, -1, "桁", 142, 23, 14, 8},
            {ControlKind::Static, -1, "フロントトラクタ(&T)", 16, 40, 80, 8},
            {ControlKind::Edit, 1062, "", 100, 38, 28, 12, kNumber | kTabStop | kBorder},
            {ControlKind::UpDown, 1056, "", 128, 38, 10, 12},
            {ControlKind::Static, -1, "桁", 142, 40, 14, 8},
            {ControlKind::Static, -1, "リアトラクタ(&R)", 16, 57, 80, 8},
            {ControlKind::Edit, 1063, "", 100, 55, 28, 12, kNumber | kTabStop | kBorder},
            {ControlKind::UpDown, 1057, "", 128, 55, 10, 12},
            {ControlKind::Static, -1, "桁", 142, 57, 14, 8},
            {ControlKind::Static, -1, "漢字コード表(&K)", 16, 85, 80, 8},
            {ControlKind::ComboBox, 1066, "", 100, 83, 84, 60, kTabStop, kKanjiTables},
            {ControlKind::GroupBox, -1, "フォント選択", 7, 100, 216, 46},
            {ControlKind::Static, -1, "フォント１(&1)", 16, 115, 80, 8},
            {ControlKind::ComboBox, 1058, "", 100, 113, 84, 60, kTabStop, kFonts},
            {ControlKind::Static, -1, "フォント２(&2)", 16, 131, 80, 8},
            {ControlKind::ComboBox, 1059, "", 100, 129, 84, 60, kTabStop, kFonts},
            {ControlKind::GroupBox, -1, "用紙セット位置", 7, 151, 108, 32},
            {ControlKind::RadioButton, 1238, "センタ(&S)", 13, 166, 48, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1236, "レフト(&L)", 63, 166, 48, 10},
            {ControlKind::GroupBox, -1, "ハガキ印刷モード", 121, 151, 102, 32},
            {ControlKind::RadioButton, 1065, "OFF(&N)", 127, 166, 44, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1018, "ON(&Y)", 175, 166, 44, 10},
            {ControlKind::Static, -1, "パラメータ設定", 168, 0, 60, 8, kHidden},
        }};
    return t;
}

}  // namespace res
