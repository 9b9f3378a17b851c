#pragma once
// What the window does to an image it loads and stores back, and what its data check refuses.
#include <string>
#include <vector>

#include "settings/ImageLayout.h"
#include "settings/PanelRules.h"
#include "settings/SettingsImage.h"
#include "settings/Translatable.h"

namespace settings {

// The image a freshly started window holds, and sends, after loading this one: every page
// decodes it over the factory choices and stores its choices back. Bytes no page owns pass.
SettingsImage Normalised(const SettingsImage& image);

// A value the data check refuses with its range message (the store still writes it).
struct RangeRefusal {
    const Field* field;
    int value;
    Range range;
};
std::vector<RangeRefusal> DataCheckRefusals(const SettingsImage& image);

// The range message the window and bmk540ctl show, e.g. "2 から 5 までの整数を入力してください。":
// the template (%1 the lower bound, %2 the upper one) under context::kDataCheck, and filled in.
inline constexpr char kRangeMessage[] = BMK_TR("DataCheck", "%1 から %2 までの整数を入力してください。");
std::string RangeMessage(Range range);

}  // namespace settings
