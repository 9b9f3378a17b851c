#pragma once
// The commands of bmk540ctl. Each takes the arguments after its name (the first one is the
// command's name, as QCommandLineParser expects) and returns the process's exit code.
#include <QStringList>

namespace ctl {

int Show(const QStringList& arguments);
int Diff(const QStringList& arguments);
int Check(const QStringList& arguments);
int Factory(const QStringList& arguments);
int Printers(const QStringList& arguments);
int Send(const QStringList& arguments);

}  // namespace ctl
