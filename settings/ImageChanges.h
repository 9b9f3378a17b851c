#pragma once
// Where two images differ, field by field: what diff shows, check counts and status names.
#include <cstddef>
#include <string>
#include <vector>

#include "settings/ImageLayout.h"
#include "settings/SettingsImage.h"

namespace settings {

// The fields in which two images differ, in image order.
std::vector<const Field*> ChangedFields(const SettingsImage& before, const SettingsImage& after);
// The offsets of the separators in which they differ.
std::vector<std::size_t> ChangedSeparators(const SettingsImage& before, const SettingsImage& after);
// The keys of both, fields first, a separator as "separator3": empty only for equal images.
std::vector<std::string> ChangedKeys(const SettingsImage& before, const SettingsImage& after);

}  // namespace settings
