#pragma once
// The CUPS schedulers a printer command talks to: those named by --server, or the one CUPS names
// by default. A printer system belongs to one thread, so every thread connects on its own.
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/PrinterSystem.h"

namespace ctl {

using Clock = std::chrono::steady_clock;

struct Scheduler {
    QString name;         // as lines and messages show it: the --server value, or the default's address
    std::string address;  // "HOST:PORT", "[ADDRESS]:PORT" or the path of its socket
};

// The --server values in the order given, each scheduler once; the default scheduler when there
// are none. Nothing, after an error on stderr, when a value names no scheduler.
std::optional<std::vector<Scheduler>> SchedulersFromOptions(const QStringList& values);

// A printer system of its own on the scheduler; with a deadline, nothing it does lasts past it.
std::unique_ptr<platform::PrinterSystem> Connect(const Scheduler& scheduler,
                                                 std::optional<Clock::time_point> deadline = std::nullopt);

// What went wrong with a scheduler, in words: CUPS says "Success" when it gave up waiting.
QString SchedulerFailure(const std::string& failure, std::optional<Clock::time_point> deadline);

// The queues of one scheduler, or why it could not be asked.
struct Listing {
    std::optional<std::vector<platform::PrinterQueue>> queues;
    QString failure;
};
Listing ListQueues(platform::PrinterSystem& system, std::optional<Clock::time_point> deadline);
// Every scheduler asked at the same time; in the order given.
std::vector<Listing> ListQueues(const std::vector<Scheduler>& schedulers);

}  // namespace ctl
