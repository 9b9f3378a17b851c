#pragma once
// A command of bmk540ctl as it is declared: its name, its lines in the program's help, its own
// help, options and arguments. What every command shares is done once, before it runs: the
// options parsed with --help, the arguments counted, the settings files it names read by the
// window's rules, and the schedulers of --server with the bound of --timeout.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "ctl/Schedulers.h"
#include "settings/SettingsImage.h"

namespace ctl {

// What a command is handed once the shared part is done.
struct Invocation {
    const QCommandLineParser& parser;
    QStringList arguments;                          // as given; "-" for standard input
    Clock::time_point start;                        // before anything was read or asked
    std::vector<settings::SettingsImage> images{};  // one per argument, for a command of settings files
    SchedulerChoice schedulers{};                   // for a command with --server
    Clock::duration timeout{};
};

struct Command {
    QString name;
    const char* summary;      // its lines in 'bmk540ctl --help'
    QString description;      // its own --help
    QStringList arguments{};  // "FILE", or "A", "B": all of them are required
    // In the order its help lists them; ServerOption() and TimeoutOption() give it schedulers.
    QList<QCommandLineOption> options{};
    bool readsSettings = false;  // every argument is a settings file
    // Its own checks of its options, before any file is read or scheduler asked: an exit code
    // ends the command.
    std::function<std::optional<int>(const QCommandLineParser&)> check{};
    std::function<int(const Invocation&)> run;
};

// Runs the command on the arguments after the program's name (the first is the command's).
int Run(const Command& command, const QStringList& arguments);

// "bmk540ctl: <message>" with the hint to the command's help, for bad usage; kRefused.
int UsageError(const QString& command, const QString& message);

// A settings file (or "-") read by the window's rules; nothing after "bmk540ctl: FILE: reason" on
// stderr.
std::optional<settings::SettingsImage> ReadSettings(const QString& path);

// --printer NAME... or --all, one of the two, and no empty name; an exit code when not.
std::optional<int> CheckPrinterChoice(const QCommandLineParser& parser, const QString& command);

// The commands, each in its own file.
Command ShowCommand();
Command DiffCommand();
Command CheckCommand();
Command FactoryCommand();
Command ExportCommand();
Command ImportCommand();
Command PrintersCommand();
Command SendCommand();
Command StatusCommand();

}  // namespace ctl
