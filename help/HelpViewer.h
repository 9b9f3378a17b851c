#pragma once
#include <QString>
#include <functional>

#include "platform/Language.h"

namespace help {

// The help file in directory (which ends in a separator) for the user's language: the English one
// when the user reads English and it is there, else the Japanese one, the program's own.
QString HelpFileIn(const QString& directory, platform::Language language);

using HelpOpener = std::function<bool(const QString& path)>;

// Opens a help file with the program's own viewer when one is given, else with the desktop's;
// false when that could not be done.
bool OpenHelpFile(const QString& path, const HelpOpener& ownViewer = {});

void SetHelpOpenerForTesting(HelpOpener opener);  // empty restores the real viewers

}  // namespace help
