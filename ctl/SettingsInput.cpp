#include "ctl/SettingsInput.h"

#include <unistd.h>

#include <QTemporaryDir>
#include <cstdio>

#include "ctl/FileNames.h"
#include "ctl/Output.h"
#include "settings/SettingsFile.h"

namespace ctl {

namespace {

// Standard input through a file of its own, so that the window's reader judges it as it judges
// any file. Only as much is read as that reader looks at: an endless stream still ends.
settings::LoadOutcome ReadStandardInput() {
    QTemporaryDir directory;
    const QByteArray path = QFile::encodeName(directory.filePath(QStringLiteral("input")));
    QFile copy(QFile::decodeName(path));
    if (!directory.isValid() || !copy.open(QIODevice::WriteOnly))
        return {std::nullopt, "cannot keep standard input in a temporary file"};
    char bytes[settings::kFileSize];
    std::size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::read(STDIN_FILENO, bytes + got, sizeof bytes - got);
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    copy.write(bytes, static_cast<qint64>(got));
    copy.close();
    return settings::ReadSettingsFile(path.toStdString());
}

}  // namespace

std::optional<settings::SettingsImage> ReadSettings(const QString& path) {
    // The same loader as the window's: what it refuses, the window refuses.
    settings::LoadOutcome loaded = IsStandardStream(path)
                                       ? ReadStandardInput()
                                       : settings::ReadSettingsFile(NativePath(path).toStdString());
    if (!loaded.image) {
        Error((IsStandardStream(path) ? QStringLiteral("standard input") : path) + QStringLiteral(": ") +
              QString::fromStdString(loaded.refusal));
    }
    return loaded.image;
}

}  // namespace ctl
