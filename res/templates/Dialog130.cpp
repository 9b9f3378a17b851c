#include "res/templates/Templates.h"

namespace res {

// MSW2: the slashed-zero check box runs across the top; the switch groups stand in two columns.
const DialogTemplate& Dialog130() {
    static const DialogTemplate t{
        130,
        "",
        230,
        190,
        "ＭＳ Ｐゴシック",
        9,
        true,
        {
            {ControlKind::CheckBox, 1016, "数字「0」の字体にスラッシュを付ける（1バイトコード系）(&K)", 5, 6,
             222, 10, kGroup | kTabStop},
            {ControlKind::Static, -1, "（MSW2-1）", 17, 17, 60, 8},
            {ControlKind::GroupBox, -1, "シートガイド用紙無し検出", 2, 28, 112, 34},
            {ControlKind::Static, -1, "（MSW2-2）", 8, 39, 60, 8},
            {ControlKind::RadioButton, 1017, "印刷時(&S)", 5, 49, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1018, "常時(&A)", 59, 49, 53, 10},
            {ControlKind::GroupBox, -1, "ドット対応グラフィックドット数", 116, 28, 112, 46},
            {ControlKind::Static, -1, "（MSW2-3）", 122, 39, 60, 8},
            {ControlKind::RadioButton, 1019, "ネイティブモード(&N)", 119, 49, 107, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1236, "コピーモード(&C)", 119, 60, 107, 10},
            {ControlKind::GroupBox, -1, "印刷モードの初期設定", 2, 78, 112, 34},
            {ControlKind::Static, -1, "（MSW2-5）", 8, 89, 60, 8},
            {ControlKind::RadioButton, 1020, "ＨＤパイカ(&D)", 5, 99, 54, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1235, "ＨＳパイカ(&E)", 59, 99, 54, 10},
            {ControlKind::GroupBox, -1, "７／８ビットデータの切り替え", 116, 78, 112, 34},
            {ControlKind::Static, -1, "（MSW2-6）", 122, 89, 60, 8},
            {ControlKind::RadioButton, 1021, "８ビット(&8)", 119, 99, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1012, "７ビット(&7)", 173, 99, 53, 10},
            {ControlKind::GroupBox, -1, "印刷桁数の切り替え", 2, 116, 112, 34},
            {ControlKind::Static, -1, "（MSW2-7）", 8, 127, 60, 8},
            {ControlKind::RadioButton, 1022, "１３６桁(&L)", 5, 137, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1234, "８０桁(&O)", 59, 137, 53, 10},
            {ControlKind::GroupBox, -1, "印刷方向の初期設定", 116, 116, 112, 34},
            {ControlKind::Static, -1, "（MSW2-8）", 122, 127, 60, 8},
            {ControlKind::RadioButton, 1024, "両方向最短(&2)", 119, 137, 59, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1015, "片方向(&1)", 179, 137, 47, 10},
            {ControlKind::Static, -1, "MSW2", 190, 180, 30, 8, kHidden},
        }};
    return t;
}

}  // namespace res
