#include "res/templates/Templates.h"

namespace res {

const DialogTemplate* FindDialogTemplate(int id) {
    switch (id) {
        case 100:
            return &Dialog100();
        case 102:
            return &Dialog102();
        case 129:
            return &Dialog129();
        case 130:
            return &Dialog130();
        case 131:
            return &Dialog131();
        case 132:
            return &Dialog132();
        case 133:
            return &Dialog133();
        case 134:
            return &Dialog134();
        case 152:
            return &Dialog152();
        case 182:
            return &Dialog182();
        case 183:
            return &Dialog183();
        default:
            return nullptr;
    }
}

}  // namespace res
