#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog129() {
    static const DialogTemplate t{
        129,
        "",
        230,
        190,
        "ＭＳ Ｐゴシック",
        9,
        true,
        {
            {ControlKind::Static, -1, "各国文字の切り替え(&C) （MSW1-1/2/3） ", 6, 9, 130, 10},
            {ControlKind::ComboBox,
             1010,
             "",
             140,
             7,
             82,
             80,
             kTabStop,
             {"日本", "アメリカ", "イギリス", "ドイツ", "スウェーデン"}},
            {ControlKind::GroupBox, -1, "データ受信方法の切り替え", 4, 26, 110, 34},
            {ControlKind::Static, -1, "（MSW1-4）", 10, 37, 60, 8},
            {ControlKind::RadioButton, 1007, "従来互換(&J)", 10, 47, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1009, "高速受信(&K)", 61, 47, 49, 10},
            {ControlKind::GroupBox, -1, "DC1/DC3コード処理の切り替え", 116, 26, 110, 34},
            {ControlKind::Static, -1, "（MSW1-5）", 122, 37, 60, 8},
            {ControlKind::RadioButton, 1016, "有効(&O)", 122, 47, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1235, "無効(&U)", 173, 47, 49, 10},
            {ControlKind::GroupBox, -1, "自動復帰改行の切り替え", 4, 64, 110, 34},
            {ControlKind::Static, -1, "（MSW1-6）", 10, 75, 60, 8},
            {ControlKind::RadioButton, 1008, "復帰改行(&L)", 10, 85, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1012, "復帰のみ(&T)", 61, 85, 49, 10},
            {ControlKind::GroupBox, -1, "CR機能の切り替え", 116, 64, 110, 34},
            {ControlKind::Static, -1, "（MSW1-8）", 122, 75, 60, 8},
            {ControlKind::RadioButton, 1014, "復帰のみ(&N)", 122, 85, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1015, "復帰改行(&V)", 173, 85, 49, 10},
            {ControlKind::GroupBox, -1, "印刷指令コード切り替え", 4, 102, 222, 56},
            {ControlKind::Static, -1, "（MSW1-7）", 10, 113, 60, 8},
            {ControlKind::RadioButton, 1011, "ＣＲのみ(&D)", 10, 123, 212, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1234, "ＣＲ，ＬＦ，ＶＴ，ＦＦ，ＵＳ，\nＥＳＣ ａ，ＥＳＣ ｂ (&E)", 10,
             134, 212, 20},
            {ControlKind::Static, -1, "MSW1", 190, 180, 30, 8, kHidden},
        }};
    return t;
}

}  // namespace res
