#include "res/templates/Templates.h"

namespace res {

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
            {ControlKind::GroupBox, -1, "用紙外側への印刷防止機能", 4, 6, 110, 34},
            {ControlKind::Static, -1, "（MSW4-1）", 10, 17, 60, 8},
            {ControlKind::RadioButton, 1031, "有効(&U)", 10, 27, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1237, "無効(&O)", 61, 27, 49, 10},
            {ControlKind::GroupBox, -1, "カット位置送り機能の用紙送り量", 116, 6, 110, 48},
            {ControlKind::Static, -1, "（MSW4-3）", 122, 17, 60, 8},
            {ControlKind::RadioButton, 1033, "固定長(&K)", 122, 27, 100, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1236, "TOF＋固定長(&P)", 122, 38, 100, 10},
            {ControlKind::GroupBox, -1, "ドット列印刷モードの印刷方向", 4, 58, 110, 34},
            {ControlKind::Static, -1, "（MSW4-4）", 10, 69, 60, 8},
            {ControlKind::RadioButton, 1034, "片方向(&1)", 10, 79, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1009, "両方向(&2)", 61, 79, 49, 10},
            {ControlKind::GroupBox, -1, "高速印刷モードの初期設定", 116, 58, 110, 34},
            {ControlKind::Static, -1, "（MSW4-5）", 122, 69, 60, 8},
            {ControlKind::RadioButton, 1035, "通常印刷(&E)", 122, 79, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1235, "高速印刷(&D)", 173, 79, 49, 10},
            {ControlKind::GroupBox, -1, "シートガイドのローディング方法", 4, 96, 110, 34},
            {ControlKind::Static, -1, "（MSW4-8）", 10, 107, 60, 8},
            {ControlKind::RadioButton, 1039, "オート(&A)", 10, 117, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1015, "マニュアル(&Z)", 61, 117, 49, 10},
            {ControlKind::Static, -1, "MSW4", 190, 180, 30, 8, kHidden},
        }};
    return t;
}

}  // namespace res
