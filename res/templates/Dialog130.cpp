#include "res/templates/Templates.h"

namespace res {

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
            {ControlKind::CheckBox, 1016, "数字「0」の字体にスラッシュを付ける（1バイトコード系）(&K)", 6, 6,
             216, 10, kGroup | kTabStop},
            {ControlKind::Static, -1, "（MSW2-1）", 16, 17, 60, 8},
            {ControlKind::GroupBox, -1, "シートガイド用紙無し検出", 4, 28, 110, 34},
            {ControlKind::Static, -1, "（MSW2-2）", 10, 39, 60, 8},
            {ControlKind::RadioButton, 1017, "印刷時(&S)", 10, 49, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1018, "常時(&A)", 61, 49, 49, 10},
            {ControlKind::GroupBox, -1, "ドット対応グラフィックドット数", 116, 28, 110, 48},
            {ControlKind::Static, -1, "（MSW2-3）", 122, 39, 60, 8},
            {ControlKind::RadioButton, 1019, "ネイティブモード(&N)", 122, 49, 100, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1236, "コピーモード(&C)", 122, 60, 100, 10},
            {ControlKind::GroupBox, -1, "印刷モードの初期設定", 4, 80, 110, 34},
            {ControlKind::Static, -1, "（MSW2-5）", 10, 91, 60, 8},
            {ControlKind::RadioButton, 1020, "ＨＤパイカ(&D)", 10, 101, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1235, "ＨＳパイカ(&E)", 61, 101, 49, 10},
            {ControlKind::GroupBox, -1, "７／８ビットデータの切り替え", 116, 80, 110, 34},
            {ControlKind::Static, -1, "（MSW2-6）", 122, 91, 60, 8},
            {ControlKind::RadioButton, 1021, "８ビット(&8)", 122, 101, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1012, "７ビット(&7)", 173, 101, 49, 10},
            {ControlKind::GroupBox, -1, "印刷桁数の切り替え", 4, 118, 110, 34},
            {ControlKind::Static, -1, "（MSW2-7）", 10, 129, 60, 8},
            {ControlKind::RadioButton, 1022, "１３６桁(&L)", 10, 139, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1234, "８０桁(&O)", 61, 139, 49, 10},
            {ControlKind::GroupBox, -1, "印刷方向の初期設定", 116, 118, 110, 34},
            {ControlKind::Static, -1, "（MSW2-8）", 122, 129, 60, 8},
            {ControlKind::RadioButton, 1024, "両方向最短(&2)", 122, 139, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1015, "片方向(&1)", 173, 139, 49, 10},
            {ControlKind::Static, -1, "MSW2", 190, 180, 30, 8, kHidden},
        }};
    return t;
}

}  // namespace res
