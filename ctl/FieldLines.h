#pragma once
// The text lines of show, diff and check: one line per field with the key, the offset, the bytes
// and the panel's value in columns and the panel's label last, so that lines align and compare
// well with diff(1). UTF-8, as settings/ words them, the words and labels in the user's language.
#include <cstddef>
#include <string>
#include <vector>

#include "settings/ImageLayout.h"
#include "settings/SettingsImage.h"

namespace ctl {

// "font1  16  30  |0|  標準  (フォント１)"; a memory switch field is followed by its switches.
std::vector<std::string> FieldLines(const settings::SettingsImage& image, const settings::Field& field);
// "separator  3  2d  |-|  not the factory 2c"; nothing for a separator as the factory has it.
std::vector<std::string> SeparatorLines(const settings::SettingsImage& image, std::size_t offset);

// "font1  16  30 |0| 標準  →  31 |1| イタリック  (フォント１)" for every field that differs, a
// memory switch field followed by its changed switches, then the changed separators.
std::vector<std::string> ChangeLines(const settings::SettingsImage& before,
                                     const settings::SettingsImage& after);

}  // namespace ctl
