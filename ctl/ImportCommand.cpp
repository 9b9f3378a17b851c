// import TEXT -o FILE: the settings file whose export a TOML text is.
#include <unistd.h>

#include <QFile>

#include "ctl/Command.h"
#include "ctl/FileNames.h"
#include "ctl/Output.h"
#include "ctl/SettingsOutput.h"
#include "ctl/TomlText.h"

namespace ctl {

namespace {

std::optional<std::string> ReadText(const QString& path) {
    if (IsStandardStream(path)) {
        std::string text;
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(STDIN_FILENO, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        if (n < 0) {
            Error(QStringLiteral("cannot read standard input"));
            return std::nullopt;
        }
        return text;
    }
    QFile file(QFile::decodeName(NativePath(path)));
    if (!file.open(QIODevice::ReadOnly)) {
        Error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

int Import(const Invocation& call) {
    const QString output = call.parser.value(QStringLiteral("output"));
    if (output.isEmpty())
        return UsageError(QStringLiteral("import"), QStringLiteral("missing option: -o FILE"));
    const QString path = call.arguments.front();
    const std::optional<std::string> text = ReadText(path);
    if (!text)
        return kRefused;
    const TomlReading reading = ReadToml(*text);
    if (!reading.image) {
        const QString name = IsStandardStream(path) ? QStringLiteral("standard input") : path;
        for (const std::string& fault : reading.faults)
            Error(name + QLatin1Char(':') + QString::fromStdString(fault));
        Error(QStringLiteral("nothing was written"));
        return kRefused;
    }
    return WriteSettingsOutput(output, *reading.image);
}

}  // namespace

Command ImportCommand() {
    return {
        .name = QStringLiteral("import"),
        .summary = "import TEXT -o FILE          the settings file of a TOML text",
        .description = QStringLiteral(
            "Writes the settings file whose export TEXT is ('-' reads standard input). Keys left out take\n"
            "the factory value; a value may be the panel's word or its code. A text with a fault (bad\n"
            "TOML, an unknown key, a value the panel does not offer, a number out of range, a key given\n"
            "twice) writes nothing: each fault is named with its line on stderr and the exit status is 2.\n"
            "FILE is written beside it and renamed over it, so a failure leaves an existing FILE as it was."),
        .arguments = {QStringLiteral("TEXT")},
        .options = {{{QStringLiteral("o"), QStringLiteral("output")},
                     QStringLiteral(
                         "Write the settings file FILE (replaced when it exists; '-' for standard output)."),
                     QStringLiteral("FILE")}},
        .run = Import,
    };
}

}  // namespace ctl
