#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog100() {
    static const DialogTemplate t{
        100,
        "バージョン情報",
        183,
        100,
        "ＭＳ Ｐゴシック",
        9,
        false,
        {
            {ControlKind::GroupBox, -1, "", 7, 4, 169, 70},
            {ControlKind::Static, -1, "ORV Quillstrike 540QZ7", 7, 15, 169, 8, kCentered},
            {ControlKind::Icon, -1, "128", 21, 29, 20, 20},
            {ControlKind::Static, -1, "ブリンドルマーク", 7, 29, 169, 8, kCentered},
            {ControlKind::Static, -1, "Version 2.000", 7, 43, 169, 8, kCentered},
            {ControlKind::DefPushButton, 1, "OK", 73, 81, 32, 14, kGroup | kTabStop},
        }};
    return t;
}

}  // namespace res
