// factory -o FILE: writes the factory settings file with the window's atomic save.
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "ctl/FileNames.h"

#include "ctl/Commands.h"
#include "ctl/Output.h"
#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"

namespace {

// The file the window's save writes, copied to standard output.
int WriteToStandardOutput() {
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("factory.dat"));
    QFile file(path);
    const settings::SaveOutcome saved =
        settings::WriteSettingsFile(QFile::encodeName(path).toStdString(), settings::FactoryImage());
    if (!directory.isValid() || saved.result != settings::SaveResult::Saved ||
        !file.open(QIODevice::ReadOnly)) {
        ctl::Error(QStringLiteral("cannot write the settings to standard output: %1")
                       .arg(QString::fromStdString(saved.reason)));
        return ctl::kRefused;
    }
    const QByteArray bytes = file.readAll();
    ctl::Out().flush();
    const bool written =
        std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == static_cast<std::size_t>(bytes.size()) &&
        std::fflush(stdout) == 0;
    if (!written) {
        ctl::Error(QStringLiteral("cannot write the settings to standard output"));
        return ctl::kRefused;
    }
    return ctl::kSuccess;
}

}  // namespace

int ctl::Factory(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Write the settings file FILE (replaced when it exists; '-' "
                       "for standard output)."),
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
