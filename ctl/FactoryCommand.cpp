// factory -o FILE: writes the factory settings file with the window's atomic save.
#include "ctl/Command.h"
#include "ctl/SettingsOutput.h"
#include "settings/FactoryImage.h"

namespace ctl {

namespace {

int Factory(const Invocation& call) {
    const QString path = call.parser.value(QStringLiteral("output"));
    if (path.isEmpty())
        return UsageError(QStringLiteral("factory"), QStringLiteral("missing option: -o FILE"));
    return WriteSettingsOutput(path, settings::FactoryImage());
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
