#pragma once
// bmk540ctl run as installed, as a script runs it: its exit code, its output, its JSON report.
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing_support {

struct Ctl {
    int exitCode = -1;  // -1 when it did not end normally (a signal not handled, or hung)
    QString out;
    QString err;
};

void StartCtl(QProcess& process, const QStringList& arguments);
// Waits until the program ends; a program still running after `limitMs` has hung.
Ctl Finish(QProcess& process, int limitMs = 30000);
Ctl RunCtl(const QStringList& arguments, int limitMs = 30000);

// The report of `printers --json` and `send --json`: {"printers": [...], "schedulers": [...]}.
QJsonObject JsonReport(const Ctl& run);
QJsonArray JsonLines(const Ctl& run);  // its printers

}  // namespace testing_support
