#pragma once
// Settings as TOML: settings/'s entries written with the panel's labels as comments, and read
// back through toml++. UTF-8 throughout.
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsImage.h"
#include "settings/SettingsText.h"

namespace ctl {

// The text of the entries; `changed`: only those that differ from the factory settings.
std::string TomlText(const std::vector<settings::TextEntry>& entries, bool changed);

// The image a text gives over the factory settings, or every fault found, each as
// "LINE: key: reason" in the order of the lines.
struct TomlReading {
    std::optional<settings::SettingsImage> image;
    std::vector<std::string> faults;
};
TomlReading ReadToml(const std::string& text);

}  // namespace ctl
