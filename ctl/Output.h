#pragma once
// What every command shares: exit codes, UTF-8 streams, errors in the usual form, lines and JSON.
#include <QJsonValue>
#include <QTextStream>
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

}  // namespace ctl
