#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog182() {
    static const DialogTemplate t{182, "書式の設定： ", 193, 255, "ＭＳ Ｐゴシック", 9, false, {}};
    return t;
}

}  // namespace res
