#include "ctl/SettingsOutput.h"

#include <cstdio>

#include "ctl/FileNames.h"
#include "ctl/Output.h"
#include "settings/SettingsFile.h"

namespace ctl {

namespace {

// The bytes the window's save writes, on standard output.
int WriteToStandardOutput(const settings::SettingsImage& image) {
    const auto bytes = settings::SettingsFileContents(image);
    Out().flush();
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
        Error(QStringLiteral("cannot write the settings to standard output"));
        return kRefused;
    }
    return kSuccess;
}

}  // namespace

int WriteSettingsOutput(const QString& path, const settings::SettingsImage& image) {
    if (IsStandardStream(path))
        return WriteToStandardOutput(image);
    // Over a symbolic link the link stays and its target gets the settings.
    const settings::SaveOutcome saved =
        settings::WriteSettingsFile(SaveTarget(NativePath(path)).toStdString(), image);
    if (saved.result != settings::SaveResult::Saved) {
        Error(QStringLiteral("cannot write %1: %2; nothing was written")
                  .arg(path, QString::fromStdString(saved.reason)));
        return kRefused;
    }
    return kSuccess;
}

}  // namespace ctl
