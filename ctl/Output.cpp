#include "ctl/Output.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace ctl {

QTextStream& Out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& Err() {
    static QTextStream stream(stderr);
    return stream;
}

void Error(const QString& message) {
    Out().flush();
    Err() << QCoreApplication::applicationName() << ": " << message << Qt::endl;
}

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        Out() << line.c_str() << '\n';
    Out().flush();
}

void PrintJson(const QJsonValue& value) {
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    Out() << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
    Out().flush();
}

std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                const QString& description, const QString& positional, int minPositional,
                                int maxPositional) {
    const QString command = arguments.value(0);
    parser.setApplicationDescription(description);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    parser.addOption(help);
    if (!positional.isEmpty())
        parser.addPositionalArgument(positional, QString(), positional);
    const QString usage =
        QStringLiteral("Try '%1 %2 --help'.").arg(QCoreApplication::applicationName(), command);
    if (!parser.parse(arguments)) {
        Error(parser.errorText() + QLatin1Char('\n') + usage);
        return kRefused;
    }
    if (parser.isSet(help)) {
        // Qt's usage line names the program by the path it was started with; ours names the
        // program and the command.
        QString text = parser.helpText();
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
        if (text.startsWith(QStringLiteral("Usage: ")) && options > 0 && options < lineEnd)
            text.replace(0, options,
                         QStringLiteral("Usage: %1 %2").arg(QCoreApplication::applicationName(), command));
        Out() << text;
        Out().flush();
        return kSuccess;
    }
    const qsizetype count = parser.positionalArguments().size();
    if (count < minPositional) {
        // Only what is missing: "A B" with A given lacks B.
        const QStringList names = positional.split(QLatin1Char(' '));
        Error(QStringLiteral("missing argument: %1").arg(names.mid(count).join(QLatin1Char(' '))) +
              QLatin1Char('\n') + usage);
        return kRefused;
    }
    if (count > maxPositional) {
        Error(QStringLiteral("too many arguments: %1")
                  .arg(parser.positionalArguments().mid(maxPositional).join(QLatin1Char(' '))) +
              QLatin1Char('\n') + usage);
        return kRefused;
    }
    return std::nullopt;
}

}  // namespace ctl
