#include "res/templates/Templates.h"

namespace res {

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
            {ControlKind::GroupBox, -1, "PCモード/情処モード切り替え", 4, 6, 110, 34},
            {ControlKind::Static, -1, "（MSW3-2）", 10, 17, 60, 8},
            {ControlKind::RadioButton, 1031, "PCモード(&P)", 10, 27, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1018, "情処モード(&J)", 61, 27, 49, 10},
            {ControlKind::GroupBox, -1, "用紙吸入位置の記憶", 116, 6, 110, 34},
            {ControlKind::Static, -1, "（MSW3-3）", 122, 17, 60, 8},
            {ControlKind::RadioButton, 1027, "記憶する(&R)", 122, 27, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1236, "記憶しない(&S)", 173, 27, 49, 10},
            {ControlKind::GroupBox, -1, "シートフィーダの吸入コード", 4, 44, 110, 48},
            {ControlKind::Static, -1, "（MSW3-4）", 10, 55, 60, 8},
            {ControlKind::RadioButton, 1029, "ＥＳＣ ａのみ(&E)", 10, 65, 100, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1009, "ＥＳＣ ａ，ＬＦ，ＵＳ，ＶＴ(&T)", 10, 76, 100, 10},
            {ControlKind::GroupBox, -1, "自動カット位置送り機能", 116, 44, 110, 34},
            {ControlKind::Static, -1, "（MSW3-5）", 122, 55, 60, 8},
            {ControlKind::RadioButton, 1028, "無効(&U)", 122, 65, 49, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1235, "有効(&O)", 173, 65, 49, 10},
            {ControlKind::CheckBox, 1026, "数字「0」の字体にスラッシュを付ける（2バイトコード系）(&Z)", 6, 97,
             216, 10, kGroup | kTabStop},
            {ControlKind::Static, -1, "（MSW3-7）", 16, 108, 60, 8},
            {ControlKind::GroupBox, -1, "ミシン目スキップの初期設定", 4, 120, 222, 34},
            {ControlKind::Static, -1, "（MSW3-8）", 10, 131, 60, 8},
            {ControlKind::RadioButton, 1030, "スキップしない(&G)", 10, 141, 105, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1015, "スキップする(&K)", 117, 141, 105, 10},
            {ControlKind::Static, -1, "MSW3", 190, 180, 30, 8, kHidden},
        }};
    return t;
}

}  // namespace res
