#pragma once
#include <QString>
#include <functional>

namespace platform {

// Opens a help file with the desktop's viewer; false when that could not be done.
bool OpenHelpFile(const QString& path);

using HelpOpener = std::function<bool(const QString& path)>;
void SetHelpOpenerForTesting(HelpOpener opener);  // empty restores the desktop viewer

}  // namespace platform
