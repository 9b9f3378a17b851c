#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog183() {
    static const DialogTemplate t{183, "", 230, 190, "ＭＳ Ｐゴシック", 9, true, {}};
    return t;
}

}  // namespace res
