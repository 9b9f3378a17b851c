#pragma once
// Writes a settings file the way the window saves it, or its bytes to standard output for "-".
#include <QString>

#include "settings/SettingsImage.h"

namespace ctl {

// kSuccess, or kRefused with "cannot write PATH: reason; nothing was written" on stderr.
int WriteSettingsOutput(const QString& path, const settings::SettingsImage& image);

}  // namespace ctl
