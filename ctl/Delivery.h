#pragma once
// Sending one settings image to many printers at once, and following the jobs until they end or
// the wait runs out.
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ctl/Schedulers.h"

namespace ctl {

enum class Result {
    Failed,     // no job: refused before sending, or the scheduler took none
    Sent,       // the scheduler took the job (not followed)
    Completed,  // the job ended printed
    Aborted,
    Canceled,
    TimedOut,  // the wait ran out before the job ended, or before it was sent
};

// One printer of a send: where it is, and what became of the settings sent to it.
struct Delivery {
    QString printer{};
    std::size_t scheduler = 0;  // in the command's list of schedulers
    // The queue as the scheduler listed it; nothing when nothing is to be sent (see reason).
    std::optional<platform::PrinterQueue> queue{};
    Result result = Result::Failed;
    int jobId = 0;
    QString reason{};  // why it failed, the scheduler's reason for the job's end, or a note

    bool succeeded() const { return result == Result::Sent || result == Result::Completed; }
};

// "failed", "sent", "completed", "aborted", "canceled" or "timed-out".
QString ResultWord(Result result);

// One scheduler's part of a send.
struct SchedulerRun {
    Listing listing;
    std::vector<Delivery> deliveries;  // the chosen printers it has, in the order chosen
};

// Every scheduler's part at once and on its own, so that one that does not answer holds up no
// other: lists its queues, sends `document` as one raw job to each chosen queue (those named, or
// with no names every queue `printers` lists), a few connections at a time; with a deadline,
// follows every job until it is completed, aborted or canceled. Whatever has not ended by the
// deadline times out, and nothing lasts past it.
std::vector<SchedulerRun> Deliver(const std::vector<Scheduler>& schedulers, const QStringList& names,
                                  std::span<const std::uint8_t> document,
                                  std::optional<Clock::time_point> deadline);

}  // namespace ctl
