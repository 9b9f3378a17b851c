#pragma once
// The CUPS schedulers a printer command talks to: those named by --server, or the one CUPS names
// by default; how long each request may take; and what went wrong with one, in words. A printer
// system belongs to one thread, so every thread connects on its own.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ctl/Results.h"
#include "platform/CupsPrinterSystem.h"

namespace ctl {

using Clock = std::chrono::steady_clock;

struct Scheduler {
    QString name;         // as lines and messages show it: the --server value, or the default's address
    std::string address;  // "HOST:PORT", "[ADDRESS]:PORT" or the path of its socket
};

// The schedulers to ask, each once, in the order given; and an entry for every further name of one
// of them (the same address and port, or the same socket).
struct SchedulerChoice {
    std::vector<Scheduler> schedulers;
    std::vector<SchedulerEntry> aliases;
};

// --server S (repeatable) and --timeout SECONDS, as every printer command takes them.
QCommandLineOption ServerOption();
QCommandLineOption TimeoutOption();

// The --server values, or the default scheduler when there are none. Nothing, after an error on
// stderr, when a value names no scheduler.
std::optional<SchedulerChoice> SchedulersFromOptions(const QStringList& values);
// The --timeout value, or the default; nothing, after an error on stderr, for a bad value.
std::optional<Clock::duration> TimeoutFromOption(const QCommandLineParser& parser);
// The SECONDS of a set option: above 0 and at most `longest` ("an hour"); nothing, after an error
// on stderr, for another value.
std::optional<Clock::duration> SecondsOf(const QCommandLineParser& parser, const QString& option, int longest,
                                         const char* longestInWords);

// How far a printer system's calls may go: each at most `timeout`, none past the deadline, and
// none on once `stop` is set.
struct Bounds {
    Clock::duration timeout;
    std::optional<Clock::time_point> deadline{};
    const std::atomic<bool>* stop = nullptr;
};

std::unique_ptr<platform::CupsPrinterSystem> Connect(const Scheduler& scheduler, const Bounds& bounds);

// Why the last call of `system` got no answer it could use, in words: refused, no such host,
// not answering, the wait ran out, interrupted; or what the scheduler answered.
QString SchedulerFailure(const platform::CupsPrinterSystem& system, const Scheduler& scheduler,
                         const Bounds& bounds);

// The queues of one scheduler, or why it could not be asked.
struct Listing {
    std::optional<std::vector<platform::PrinterQueue>> queues;
    QString failure;
    std::vector<std::string> ids{};       // of the queues: the same ones are the same scheduler
    std::optional<std::size_t> sameAs{};  // these are the queues of that scheduler: nothing to do here
};
// Whether the two listings come from one scheduler: a socket and an address cannot tell.
bool SameScheduler(const Listing& a, const Listing& b);
Listing ListQueues(platform::CupsPrinterSystem& system, const Scheduler& scheduler, const Bounds& bounds);
// Every scheduler asked at the same time; in the order given.
std::vector<Listing> ListQueues(const std::vector<Scheduler>& schedulers, const Bounds& bounds);

// The entries of a report: every scheduler (asked or not), then the further names.
std::vector<SchedulerEntry> SchedulerEntries(const SchedulerChoice& choice,
                                             const std::vector<const Listing*>& listings);

}  // namespace ctl
