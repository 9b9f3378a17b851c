#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog130() {
    static const DialogTemplate t{130, "", 230, 190, "ＭＳ Ｐゴシック", 9, true, {}};
    return t;
}

}  // namespace res
