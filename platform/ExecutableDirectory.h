#pragma once
#include <QString>

namespace platform {

// Directory of the running executable, with its trailing separator.
QString ExecutableDirectory();
// Tests point the program at a temporary directory; an empty string restores the real one.
void SetExecutableDirectoryForTesting(const QString& directory);

}  // namespace platform
