#pragma once
// What every command shares: exit codes, UTF-8 streams, errors in the usual form, JSON, and the
// parsing of a command's own options.
#include <QCommandLineParser>
#include <QJsonValue>
#include <QTextStream>
#include <optional>
#include <string>
#include <vector>

namespace ctl {

enum Exit {
    kSuccess = 0,
    kFailure = 1,  // files differ, a load would change bytes, a printer failed
    kRefused = 2,  // bad usage, a file that is not a settings file, nothing sent
};

QTextStream& Out();
QTextStream& Err();

// "bmk540ctl: <message>" on stderr.
void Error(const QString& message);

// UTF-8 lines on stdout.
void PrintLines(const std::vector<std::string>& lines);

// Indented JSON on stdout.
void PrintJson(const QJsonValue& value);

// Parses a command's options after adding --help. Returns an exit code when the command is done
// already: kSuccess after printing its help, kRefused after an error (on stderr); nothing when the
// command should run. `positional` names the arguments shown in the usage line, e.g. "FILE".
std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                const QString& description, const QString& positional, int minPositional,
                                int maxPositional);

}  // namespace ctl
