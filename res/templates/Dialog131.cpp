#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog131() {
    static const DialogTemplate t{131, "", 230, 190, "ＭＳ Ｐゴシック", 9, true, {}};
    return t;
}

}  // namespace res
