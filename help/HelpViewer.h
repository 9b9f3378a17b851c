#pragma once
#include <QString>
#include <functional>

namespace help {

using HelpOpener = std::function<bool(const QString& path)>;

// Opens a help file with the program's own viewer when one is given, else with the desktop's;
// false when that could not be done.
bool OpenHelpFile(const QString& path, const HelpOpener& ownViewer = {});

void SetHelpOpenerForTesting(HelpOpener opener);  // empty restores the real viewers

}  // namespace help
