// factory -o FILE: writes the factory settings file with the window's atomic save.
#include <cstdio>

#include "ctl/Command.h"
#include "ctl/FileNames.h"
#include "ctl/Output.h"
#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"

namespace ctl {

namespace {

// The bytes the window's save writes, on standard output.
int WriteToStandardOutput() {
    const auto bytes = settings::SettingsFileContents(settings::FactoryImage());
    Out().flush();
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
        Error(QStringLiteral("cannot write the settings to standard output"));
        return kRefused;
    }
    return kSuccess;
}

int Factory(const Invocation& call) {
    const QString path = call.parser.value(QStringLiteral("output"));
    if (path.isEmpty())
        return UsageError(QStringLiteral("factory"), QStringLiteral("missing option: -o FILE"));
    if (IsStandardStream(path))
        return WriteToStandardOutput();
    // Over a symbolic link the link stays and its target gets the settings.
    const settings::SaveOutcome saved =
        settings::WriteSettingsFile(SaveTarget(NativePath(path)).toStdString(), settings::FactoryImage());
    if (saved.result != settings::SaveResult::Saved) {
        Error(QStringLiteral("cannot write %1: %2; nothing was written")
                  .arg(path, QString::fromStdString(saved.reason)));
        return kRefused;
    }
    return kSuccess;
}

}  // namespace

Command FactoryCommand() {
    return {
        .name = QStringLiteral("factory"),
        .summary = "factory -o FILE              write the factory settings file",
        .description = QStringLiteral(
            "Writes the factory settings file. The file is written beside FILE and renamed over it, so\n"
            "a failure (a full disk, a directory without write access) leaves an existing FILE as it was.\n"
            "Exit status: 0 written, 2 nothing written (the reason on stderr)."),
        .options = {{{QStringLiteral("o"), QStringLiteral("output")},
                     QStringLiteral(
                         "Write the settings file FILE (replaced when it exists; '-' for standard output)."),
                     QStringLiteral("FILE")}},
        .run = Factory,
    };
}

}  // namespace ctl
