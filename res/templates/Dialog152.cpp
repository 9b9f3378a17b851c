#include "res/templates/Templates.h"

namespace res {

const DialogTemplate& Dialog152() {
    static const DialogTemplate t{152,
                                  "プリンタの選択",
                                  187,
                                  127,
                                  "ＭＳ Ｐゴシック",
                                  9,
                                  false,
                                  {
                                      {ControlKind::Static, -1, "プリンタを選択してください。", 5, 5, 87, 8},
                                      {ControlKind::ListView, 1069, "", 7, 19, 173, 81, kBorder | kTabStop},
                                      {ControlKind::DefPushButton, 1, "OK", 30, 106, 50, 14, kTabStop},
                                      {ControlKind::PushButton, 2, "キャンセル", 110, 106, 50, 14, kTabStop},
                                  }};
    return t;
}

}  // namespace res
