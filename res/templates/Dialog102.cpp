#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog102() {
    static const DialogTemplate t{
        102,
        "ORV Quillstrike 540QZ7 ブリンドルマーク",
        245,
        255,
        "ＭＳ Ｐゴシック",
        9,
        false,
        {
            {ControlKind::TabControl, 1000, "", 5, 20, 235, 221, kMultiline | kTabStop},
        }};
    return t;
}

}  // namespace res
