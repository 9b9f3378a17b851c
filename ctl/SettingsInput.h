#pragma once
// A settings file read by the window's own rules (regular file, header, size); a refused file is
// reported on stderr with its reason.
#include <QString>
#include <optional>

#include "settings/SettingsImage.h"

namespace ctl {

// The image; nothing after "bmk540ctl: FILE: reason" on stderr. "-" is standard input.
std::optional<settings::SettingsImage> ReadSettings(const QString& path);

}  // namespace ctl
