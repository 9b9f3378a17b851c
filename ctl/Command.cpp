#include "ctl/Command.h"

#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>

#include "ctl/FileNames.h"
#include "ctl/Output.h"
#include "settings/SettingsFile.h"

namespace ctl {

namespace {

// Parses the options after adding --help and counts the arguments: an exit code when the command
// is done already (its help printed, or bad usage), nothing when it should run.
std::optional<int> Parse(QCommandLineParser& parser, const Command& command, const QStringList& arguments) {
    parser.setApplicationDescription(command.description);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(command.options);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    parser.addOption(help);
    const QString names = command.arguments.join(QLatin1Char(' '));
    if (!names.isEmpty())
        parser.addPositionalArgument(names, QString(), names);
    if (!parser.parse(arguments))
        return UsageError(command.name, parser.errorText());
    if (parser.isSet(help)) {
        // Qt's usage line names the program by the path it was started with; ours names the
        // program and the command.
        QString text = parser.helpText();
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
        if (text.startsWith(QStringLiteral("Usage: ")) && options > 0 && options < lineEnd)
            text.replace(
                0, options,
                QStringLiteral("Usage: %1 %2").arg(QCoreApplication::applicationName(), command.name));
        Out() << text;
        Out().flush();
        return kSuccess;
    }
    const qsizetype count = parser.positionalArguments().size();
    // Only what is missing: "A B" with A given lacks B.
    if (count < command.arguments.size())
        return UsageError(
            command.name,
            QStringLiteral("missing argument: %1").arg(command.arguments.mid(count).join(QLatin1Char(' '))));
    if (count > command.arguments.size())
        return UsageError(
            command.name,
            QStringLiteral("too many arguments: %1")
                .arg(parser.positionalArguments().mid(command.arguments.size()).join(QLatin1Char(' '))));
    return std::nullopt;
}

// Only as much is read as the window's reader looks at: an endless stream still ends.
settings::LoadOutcome ReadStandardInput() {
    std::uint8_t bytes[settings::kFileSize];
    std::size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::read(STDIN_FILENO, bytes + got, sizeof bytes - got);
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return settings::ReadSettingsBytes(bytes, got);
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

namespace {

bool Declares(const Command& command, const QCommandLineOption& option) {
    return std::any_of(command.options.begin(), command.options.end(),
                       [&](const QCommandLineOption& o) { return o.names() == option.names(); });
}

}  // namespace

std::optional<int> CheckPrinterChoice(const QCommandLineParser& parser, const QString& command) {
    const QStringList names = parser.values(QStringLiteral("printer"));
    if (names.isEmpty() == !parser.isSet(QStringLiteral("all")))
        return UsageError(command, QStringLiteral("give either --printer NAME (once or more) or --all"));
    if (names.contains(QString())) {
        Error(QStringLiteral("--printer needs a queue name"));
        return kRefused;
    }
    return std::nullopt;
}

int UsageError(const QString& command, const QString& message) {
    Error(message +
          QStringLiteral("\nTry '%1 %2 --help'.").arg(QCoreApplication::applicationName(), command));
    return kRefused;
}

int Run(const Command& command, const QStringList& arguments) {
    QCommandLineParser parser;
    if (const std::optional<int> done = Parse(parser, command, arguments))
        return *done;
    if (command.check) {
        if (const std::optional<int> done = command.check(parser))
            return *done;
    }
    Invocation call{parser, parser.positionalArguments(), Clock::now()};
    if (Declares(command, ServerOption())) {
        const std::optional<Clock::duration> timeout = TimeoutFromOption(parser);
        std::optional<SchedulerChoice> schedulers =
            timeout ? SchedulersFromOptions(parser.values(ServerOption())) : std::nullopt;
        if (!schedulers)
            return kRefused;
        call.timeout = *timeout;
        call.schedulers = std::move(*schedulers);
    }
    if (command.readsSettings) {
        if (std::count_if(call.arguments.begin(), call.arguments.end(), IsStandardStream) > 1) {
            Error(QStringLiteral("standard input ('-') can be only one of %1")
                      .arg(command.arguments.join(QStringLiteral(" and "))));
            return kRefused;
        }
        // Every file is read, so that every refused file is named at once.
        bool refused = false;
        for (const QString& path : call.arguments) {
            const std::optional<settings::SettingsImage> image = ReadSettings(path);
            refused |= !image;
            call.images.push_back(image.value_or(settings::SettingsImage()));
        }
        if (refused)
            return kRefused;
    }
    return command.run(call);
}

}  // namespace ctl
