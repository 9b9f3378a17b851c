#pragma once
// Sending one settings image to many printers at once, following the jobs until they end, the
// wait runs out or the user interrupts; and each printer as it stands at that moment.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "ctl/Results.h"
#include "ctl/Schedulers.h"

namespace ctl {

// How far a run got with a printer.
enum class Stage { Waiting, Submitting, Following, Done };

// One printer of a send: where it is, and what became of the settings sent to it.
struct Delivery {
    QString printer{};
    std::size_t scheduler = 0;  // in the command's list of schedulers
    // The queue as the scheduler listed it; nothing when nothing is to be sent (see reason).
    std::optional<platform::PrinterQueue> queue{};
    Result result = Result::Failed;
    int jobId = 0;
    QString reason{};  // why it failed or was not sent, the job's end in words, or a note
    Stage stage = Stage::Done;
    platform::JobStatus seen{};  // the job while followed, as last seen
    bool lostSight = false;      // the last question about the job got no answer
};

// One scheduler's part of a send.
struct SchedulerRun {
    Listing listing{};                 // no queues: why it could not be asked
    std::vector<Delivery> deliveries;  // the chosen printers it has, in the order chosen
};

struct SendPlan {
    QStringList names;  // the queues to send to; none: every queue `printers` lists
    std::vector<std::uint8_t> document;
    std::string fileName;  // where the document came from, for the job's record; empty for none
    Clock::duration timeout;
    std::optional<Clock::time_point> end{};  // --wait: everything is reported by then
    bool dryRun = false;
    bool cancelUnfinished = false;
    // Not to a queue whose last completed settings job carried this document (Result::Unchanged).
    bool ifChanged = false;
};

struct SendReport {
    std::vector<SchedulerRun> runs;
    int interruption = 0;    // the signal that ended the run early, or 0
    bool lingering = false;  // a request is still under way: end the process without waiting for it
};

// Every scheduler's part at once and on its own, so that one that does not answer holds up no
// other: lists its queues, sends the document as one raw job to each chosen queue, a few
// connections at a time, and with an end follows every job until it is completed, aborted or
// canceled. The first interrupt stops new submissions; whatever has not ended by the end (or the
// interrupt) is reported as it stands, and cancelled when the plan says so.
SendReport Deliver(const std::vector<Scheduler>& schedulers, const SendPlan& plan);

}  // namespace ctl
