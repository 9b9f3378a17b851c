#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog133() {
    static const DialogTemplate t{133, "", 230, 190, "ＭＳ Ｐゴシック", 9, true, {}};
    return t;
}

}  // namespace res
