#include <vector>

#include "res/templates/Templates.h"

namespace res {

// Function select: typeface and hopper side by side, reduced printing below them, then the
// format in use with the button that edits it.
const DialogTemplate& Dialog134() {
    static const std::vector<const char*> kReductions{"縮小なし", "２／３縮小（左基準）",
                                                      "２／３縮小（中央基準）", "４／５縮小（左基準）",
                                                      "４／５縮小（中央基準）"};
    static const std::vector<const char*> kFormats{"書式０", "書式１", "書式２", "書式３"};
    static const DialogTemplate t{
        134,
        "",
        230,
        190,
        "ＭＳ Ｐゴシック",
        9,
        true,
        {
            {ControlKind::Static, -1, "機能選択", 171, 143, 32, 12, kHidden},
            {ControlKind::GroupBox, -1, "書体選択", 3, 3, 108, 45},
            {ControlKind::RadioButton, 1044, "明朝体(&R)", 7, 23, 46, 10, kGroup | kTabStop},
            {ControlKind::RadioButton, 1015, "ゴシック体(&G)", 55, 23, 53, 10},
            {ControlKind::GroupBox, -1, "２ビンシートフィーダのホッパ選択", 115, 3, 113, 45},
            {ControlKind::RadioButton, 1239, "ホッパ１(&N)", 121, 23, 49, 12, kGroup | kTabStop},
            {ControlKind::RadioButton, 1018, "ホッパ２(&Y)", 173, 23, 53, 12},
            {ControlKind::Static, -1, "縮小印刷の選択(&P)", 5, 61, 75, 12},
            {ControlKind::ComboBox, 1057, "", 88, 61, 80, 59, kGroup | kTabStop, kReductions},
            {ControlKind::GroupBox, -1, "書式選択(&S)", 3, 89, 169, 46},
            {ControlKind::ComboBox, 1056, "", 19, 108, 61, 65, kGroup | kTabStop, kFormats},
            {ControlKind::PushButton, 1002, "書式の設定(&D)...", 90, 106, 64, 18, kTabStop},
        }};
    return t;
}

}  // namespace res
