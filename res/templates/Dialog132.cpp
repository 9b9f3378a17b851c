#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog132() {
    static const DialogTemplate t{132, "", 230, 190, "ＭＳ Ｐゴシック", 9, true, {}};
    return t;
}

}  // namespace res
