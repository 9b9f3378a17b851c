#include "res/templates/Templates.h"

namespace res {

// MSW1: the country list heads the page; the switch groups stand in two columns below it, and
// the print command group, whose second button takes two lines, spans the page at the bottom.
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
            {ControlKind::Static, -1, "各国文字の切り替え(&C) （MSW1-1/2/3） ", 5, 9, 133, 10},
            {ControlKind::ComboBox,
             1010,
             "",
             140,
             7,
             86,
             80,
             kTabStop,
             {"日本", "アメリカ", "イギリス", "ドイツ", "スウェーデン"}},
            {ControlKind::GroupBox, -1, "データ受信方法の切り替え", 2, 26, 112, 34},
            {ControlKind::Static, -1, "（MSW1-4）", 8, 37, 60, 8},
            {ControlKind::RadioButton, 1007, "従来互換(&J)", 5, 47, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1009, "高速受信(&K)", 59, 47, 53, 10},
            {ControlKind::GroupBox, -1, "DC1/DC3コード処理の切り替え", 116, 26, 112, 34},
            {ControlKind::Static, -1, "（MSW1-5）", 122, 37, 60, 8},
            {ControlKind::RadioButton, 1016, "有効(&O)", 119, 47, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1235, "無効(&U)", 173, 47, 53, 10},
            {ControlKind::GroupBox, -1, "自動復帰改行の切り替え", 2, 64, 112, 34},
            {ControlKind::Static, -1, "（MSW1-6）", 8, 75, 60, 8},
            {ControlKind::RadioButton, 1008, "復帰改行(&L)", 5, 85, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1012, "復帰のみ(&T)", 59, 85, 53, 10},
            {ControlKind::GroupBox, -1, "CR機能の切り替え", 116, 64, 112, 34},
            {ControlKind::Static, -1, "（MSW1-8）", 122, 75, 60, 8},
            {ControlKind::RadioButton, 1014, "復帰のみ(&N)", 119, 85, 53, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1015, "復帰改行(&V)", 173, 85, 53, 10},
            {ControlKind::GroupBox, -1, "印刷指令コード切り替え", 2, 102, 226, 56},
            {ControlKind::Static, -1, "（MSW1-7）", 8, 113, 60, 8},
            {ControlKind::RadioButton, 1011, "ＣＲのみ(&D)", 5, 123, 220, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1234, "ＣＲ，ＬＦ，ＶＴ，ＦＦ，ＵＳ，\nＥＳＣ ａ，ＥＳＣ ｂ (&E)", 5,
             135, 220, 19, kMultiline},
            {ControlKind::Static, -1, "MSW1", 190, 180, 30, 8, kHidden},
        }};
    return t;
}

}  // namespace res
