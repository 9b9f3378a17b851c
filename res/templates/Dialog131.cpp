#include "res/templates/Templates.h"

namespace res {

// MSW3: the switch groups stand in two columns (the sheet feeder codes take the wider one for
// their long second button); the slashed-zero check box runs across the page below them, and the
// perforation skip group spans the bottom.
const DialogTemplate& Dialog131() {
    static const DialogTemplate t{
        131,
        "",
        230,
        190,
        "ＭＳ Ｐゴシック",
        9,
        true,
        {
            {ControlKind::GroupBox, -1, "PCモード/情処モード切り替え", 2, 4, 112, 34},
            {ControlKind::Static, -1, "（MSW3-2）", 8, 15, 60, 8},
            {ControlKind::RadioButton, 1031, "PCモード(&P)", 5, 25, 52, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1018, "情処モード(&J)", 57, 25, 56, 10},
            {ControlKind::GroupBox, -1, "用紙吸入位置の記憶", 116, 4, 112, 34},
            {ControlKind::Static, -1, "（MSW3-3）", 122, 15, 60, 8},
            {ControlKind::RadioButton, 1027, "記憶する(&R)", 119, 25, 51, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1236, "記憶しない(&S)", 170, 25, 57, 10},
            {ControlKind::GroupBox, -1, "シートフィーダの吸入コード", 2, 42, 128, 46},
            {ControlKind::Static, -1, "（MSW3-4）", 8, 53, 60, 8},
            {ControlKind::RadioButton, 1029, "ＥＳＣ ａのみ(&E)", 5, 63, 123, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1009, "ＥＳＣ ａ，ＬＦ，ＵＳ，ＶＴ(&T)", 5, 74, 123, 10},
            {ControlKind::GroupBox, -1, "自動カット位置送り機能", 132, 42, 96, 34},
            {ControlKind::Static, -1, "（MSW3-5）", 138, 53, 60, 8},
            {ControlKind::RadioButton, 1028, "無効(&U)", 135, 63, 45, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1235, "有効(&O)", 181, 63, 45, 10},
            {ControlKind::CheckBox, 1026, "数字「0」の字体にスラッシュを付ける（2バイトコード系）(&Z)", 5, 94,
             222, 10, kGroup | kTabStop},
            {ControlKind::Static, -1, "（MSW3-7）", 17, 105, 60, 8},
            {ControlKind::GroupBox, -1, "ミシン目スキップの初期設定", 2, 117, 226, 34},
            {ControlKind::Static, -1, "（MSW3-8）", 8, 128, 60, 8},
            {ControlKind::RadioButton, 1030, "スキップしない(&G)", 5, 138, 110, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1015, "スキップする(&K)", 119, 138, 107, 10},
            {ControlKind::Static, -1, "MSW3", 190, 180, 30, 8, kHidden},
        }};
    return t;
}

}  // namespace res
