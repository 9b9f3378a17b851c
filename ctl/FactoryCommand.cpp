// factory -o FILE: writes the factory settings file with the window's atomic save.
#include <QFile>

#include "ctl/Commands.h"
#include "ctl/Output.h"
#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"

int ctl::Factory(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write the settings file FILE (replaced when it exists)."),
                                    QStringLiteral("FILE"));
    parser.addOption(output);
    const QString description = QStringLiteral(
        "Writes the factory settings file. The file is written beside FILE and renamed over it, so\n"
        "a failure (a full disk, a directory without write access) leaves an existing FILE as it was.\n"
        "Exit status: 0 written, 2 nothing written (the reason on stderr).");
    if (const std::optional<int> done = ParseCommand(parser, arguments, description, QString(), 0, 0))
        return *done;
    const QString path = parser.value(output);
    if (path.isEmpty()) {
        Error(QStringLiteral("missing option: -o FILE\nTry 'bmk540ctl factory --help'."));
        return kRefused;
    }
    const settings::SaveOutcome saved =
        settings::WriteSettingsFile(QFile::encodeName(path).toStdString(), settings::FactoryImage());
    if (saved.result != settings::SaveResult::Saved) {
        Error(QStringLiteral("cannot write %1: %2; nothing was written")
                  .arg(path, QString::fromStdString(saved.reason)));
        return kRefused;
    }
    return kSuccess;
}
