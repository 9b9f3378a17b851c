#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog134() {
    static const DialogTemplate t{134, "", 230, 190, "ＭＳ Ｐゴシック", 9, true, {}};
    return t;
}

}  // namespace res
