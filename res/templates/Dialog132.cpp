#include "res/templates/Templates.h"

namespace res {

// MSW4: the switch groups stand in two columns.
const DialogTemplate& Dialog132() {
    static const DialogTemplate t{
        132,
        "",
        230,
        190,
        "ＭＳ Ｐゴシック",
        9,
        true,
        {
            {ControlKind::GroupBox, -1, "用紙外側への印刷防止機能", 2, 4, 112, 34},
            {ControlKind::Static, -1, "（MSW4-1）", 8, 15, 60, 8},
            {ControlKind::RadioButton, 1031, "有効(&U)", 5, 25, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1237, "無効(&O)", 59, 25, 53, 10},
            {ControlKind::GroupBox, -1, "カット位置送り機能の用紙送り量", 116, 4, 112, 46},
            {ControlKind::Static, -1, "（MSW4-3）", 122, 15, 60, 8},
            {ControlKind::RadioButton, 1033, "固定長(&K)", 119, 25, 107, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1236, "TOF＋固定長(&P)", 119, 36, 107, 10},
            {ControlKind::GroupBox, -1, "ドット列印刷モードの印刷方向", 2, 54, 112, 34},
            {ControlKind::Static, -1, "（MSW4-4）", 8, 65, 60, 8},
            {ControlKind::RadioButton, 1034, "片方向(&1)", 5, 75, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1009, "両方向(&2)", 59, 75, 53, 10},
            {ControlKind::GroupBox, -1, "高速印刷モードの初期設定", 116, 54, 112, 34},
            {ControlKind::Static, -1, "（MSW4-5）", 122, 65, 60, 8},
            {ControlKind::RadioButton, 1035, "通常印刷(&E)", 119, 75, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1235, "高速印刷(&D)", 173, 75, 53, 10},
            {ControlKind::GroupBox, -1, "シートガイドのローディング方法", 2, 92, 112, 34},
            {ControlKind::Static, -1, "（MSW4-8）", 8, 103, 60, 8},
            {ControlKind::RadioButton, 1039, "オート(&A)", 5, 113, 48, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1015, "マニュアル(&Z)", 54, 113, 58, 10},
            {ControlKind::Static, -1, "MSW4", 190, 180, 30, 8, kHidden},
        }};
    return t;
}

}  // namespace res
