#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog129() {
    static const DialogTemplate t{129, "", 230, 190, "ＭＳ Ｐゴシック", 9, true, {}};
    return t;
}

}  // namespace res
