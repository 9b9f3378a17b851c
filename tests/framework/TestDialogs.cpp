#include "tests/framework/TestDialogs.h"

using res::ControlKind;

const res::DialogTemplate& ProbeTemplate() {
    static const res::DialogTemplate t{
        9001,
        "Probe",
        200,
        160,
        "ＭＳ Ｐゴシック",
        9,
        false,
        {
            {ControlKind::Static, -1, "数値(&N)", 5, 5, 40, 10},
            {ControlKind::Edit, 10, "", 50, 5, 40, 12, res::kNumber | res::kTabStop},
            {ControlKind::UpDown, 15, "", 90, 5, 9, 12},
            {ControlKind::Edit, 11, "", 50, 20, 40, 12, res::kNumber | res::kTabStop},
            {ControlKind::Edit, 12, "", 50, 35, 60, 12, res::kTabStop},
            {ControlKind::ComboBox, 20, "", 50, 50, 80, 60, res::kTabStop, {"標準", "イタリック", "OCR-B"}},
            {ControlKind::RadioButton, 30, "一(&1)", 5, 70, 40, 10, res::kGroup | res::kTabStop},
            {ControlKind::RadioButton, 31, "二(&2)", 50, 70, 40, 10},
            {ControlKind::RadioButton, 32, "三(&3)", 5, 82, 40, 10, res::kGroup | res::kTabStop},
            {ControlKind::RadioButton, 33, "四(&4)", 50, 82, 40, 10},
            {ControlKind::CheckBox, 40, "チェック(&C)", 5, 95, 80, 10, res::kTabStop},
            {ControlKind::Trackbar, 50, "", 5, 108, 60, 14, res::kTabStop},
            {ControlKind::ListView, 60, "", 100, 70, 90, 40, res::kTabStop},
            {ControlKind::DefPushButton, IDOK, "OK", 100, 140, 40, 14, res::kTabStop},
            {ControlKind::PushButton, IDCANCEL, "キャンセル", 150, 140, 40, 14, res::kTabStop},
        },
    };
    return t;
}
