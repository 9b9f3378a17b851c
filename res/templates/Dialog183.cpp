#include <vector>

#include "res/templates/Templates.h"

namespace res {

// Parameter setting 2: the four LF pitch corrections in a group on top, then the automatic
// return time and the sheet-guide intake time, each under its long label.
const DialogTemplate& Dialog183() {
    static const std::vector<const char*> kCorrections{"-5", "-4", "-3", "-2", "-1", "0",
                                                       "+1", "+2", "+3", "+4", "+5"};
    static const std::vector<const char*> kReturnTimes{"自動戻り無し", "８秒", "１５秒"};
    static const DialogTemplate t{
        183,
        "",
        230,
        190,
        "ＭＳ Ｐゴシック",
        9,
        true,
        {
            {ControlKind::GroupBox, -1, "ＬＦピッチ補正", 7, 7, 216, 86},
            {ControlKind::Static, -1, "シートガイド(&G)", 16, 23, 80, 8},
            {ControlKind::ComboBox, 1067, "", 100, 21, 44, 120, kTabStop, kCorrections},
            {ControlKind::Static, -1, "シートフィーダ(&S)", 16, 40, 80, 8},
            {ControlKind::ComboBox, 1071, "", 100, 38, 44, 120, kTabStop, kCorrections},
            {ControlKind::Static, -1, "フロントトラクタ(&F)", 16, 57, 80, 8},
            {ControlKind::ComboBox, 1072, "", 100, 55, 44, 120, kTabStop, kCorrections},
            {ControlKind::Static, -1, "リアトラクタ(&R)", 16, 74, 80, 8},
            {ControlKind::ComboBox, 1073, "", 100, 72, 44, 120, kTabStop, kCorrections},
            {ControlKind::Static, -1, "連続紙カット位置からの自動戻り時間(&P)", 7, 104, 216, 8},
            {ControlKind::ComboBox, 1068, "", 16, 116, 84, 60, kTabStop, kReturnTimes},
            {ControlKind::Static, -1, "シートガイドからの用紙吸入時間(&J)", 7, 141, 216, 8},
            {ControlKind::Edit, 1064, "", 16, 153, 24, 12, kNumber | kTabStop | kBorder},
            {ControlKind::UpDown, 1060, "", 40, 153, 10, 12},
            {ControlKind::Static, -1, "秒", 54, 155, 14, 8},
            {ControlKind::Static, -1, "パラメータ設定", 168, 0, 60, 8, kHidden},
        }};
    return t;
}

}  // namespace res
