#include "ctl/Delivery.h"

#include <algorithm>
#include <condition_variable>
#include <future>
#include <map>
#include <mutex>
#include <thread>

#include "ctl/Holdings.h"
#include "ctl/Interruption.h"
#include "ctl/QueueChoice.h"
#include "platform/CupsJob.h"
#include "platform/ModelPrinter.h"
#include "platform/SettingsJob.h"

namespace ctl {

namespace {

using namespace std::chrono_literals;

// A scheduler serves one request at a time; a few connections at once hide each one's round
// trips without crowding out its other clients (cupsd takes 100 by default).
constexpr std::size_t kConnectionsPerScheduler = 8;
// Jobs are asked after quickly at first, then less often, so that a long wait on a stopped
// queue does not keep the scheduler busy.
constexpr auto kFirstPoll = 50ms;
constexpr auto kLongestPoll = 1000ms;
// Requests under way when the run ends are abandoned; they let go within this, so that what they
// did is known before the report (a request looks at its flag every 0.1 s).
constexpr auto kSettle = 250ms;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString InBrackets(const std::string& text) {
    return text.empty() ? QString() : QStringLiteral(" (%1)").arg(Text(text));
}

// What every thread of a send shares. The deliveries are written under the mutex only, so that
// the report can be taken at any moment.
struct Board {
    std::vector<Scheduler> schedulers;
    SendPlan plan;
    Bounds bounds;  // the workers' deadline comes before the plan's end, to settle in
    std::atomic<bool> stop = false;
    std::mutex mutex;
    std::condition_variable stopped;
    std::vector<SchedulerRun> runs;
    std::vector<bool> silent;  // the scheduler stopped answering: no more jobs for it
    std::size_t working = 0;

    // Sleeps until the time or the stop.
    void pause(Clock::time_point until) {
        std::unique_lock lock(mutex);
        stopped.wait_until(lock, until, [&] { return stop.load(); });
    }
};

// The printers of one scheduler that the command chose: refused at once, or to be sent to.
std::vector<Delivery> Choose(const std::vector<platform::PrinterQueue>& queues, const QStringList& names,
                             std::size_t scheduler) {
    std::vector<Delivery> chosen;
    const auto add = [&](const platform::PrinterQueue& queue) {
        Delivery delivery{Text(queue.name), scheduler};
        if (const std::optional<QString> refusal = Unsendable(queue))
            delivery.reason = *refusal;
        else
            delivery.queue = queue;
        chosen.push_back(std::move(delivery));
    };
    if (names.isEmpty()) {
        std::for_each(queues.begin(), queues.end(), [&](const platform::PrinterQueue& queue) {
            if (IsListedQueue(queue))
                add(queue);
        });
    }
    for (const QString& name : names) {
        const auto queue = std::find_if(queues.begin(), queues.end(), [&](const platform::PrinterQueue& q) {
            return SameQueueName(Text(q.name), name);
        });
        if (queue != queues.end())
            add(*queue);
    }
    return chosen;
}

// A job still under way, in the words of a message; nothing once it has ended.
QString JobStateWord(platform::JobState state) {
    switch (state) {
        case platform::JobState::Pending:
        case platform::JobState::Held:
            return JobStateName(state);
        case platform::JobState::Processing:
            return QStringLiteral("printing");
        default:
            return QString();
    }
}

// How a job that has not ended stands.
QString Unended(platform::JobState state, const QString& when) {
    const QString word = JobStateWord(state);
    return word.isEmpty()
               ? QStringLiteral("the scheduler did not say what became of the job before %1").arg(when)
               : QStringLiteral("the job was still %1 when %2").arg(word, when);
}

// Whether the job has ended; the delivery then says how.
bool Ended(Delivery& delivery, const platform::JobStatus& status) {
    // On an ended job "processing-to-stop-point" is what was left of its end.
    std::vector<std::string> keywords = status.keywords;
    std::erase(keywords, "processing-to-stop-point");
    const QString words = JobReasonWords(keywords, status.message);
    const QString because = words.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(words);
    switch (status.state) {
        case platform::JobState::Completed:
            // CUPS leaves reasons of the printing behind on a completed job; they say nothing.
            delivery.result = Result::Completed;
            delivery.reason.clear();
            break;
        case platform::JobState::Aborted:
            delivery.result = Result::Failed;
            delivery.reason = QStringLiteral("the job was aborted") + because;
            break;
        case platform::JobState::Canceled:
            delivery.result = Result::Failed;
            delivery.reason = QStringLiteral("the job was cancelled") + because;
            break;
        case platform::JobState::NotFound:
            // The scheduler forgets the jobs of a queue deleted while they wait.
            delivery.result = Result::Failed;
            delivery.reason = QStringLiteral("the job is gone from the scheduler (its queue was deleted?)");
            break;
        default:
            delivery.seen = status;
            return false;
    }
    delivery.stage = Stage::Done;
    return true;
}

// A job followed and not ended when the run ends: timed out when the wait ran out, only sent
// when interrupted; unknown when the scheduler no longer answered about it.
void Unfinished(Delivery& delivery, bool interrupted) {
    const QString when = interrupted ? QStringLiteral("interrupted") : QStringLiteral("the wait ran out");
    const QString words = JobReasonWords(delivery.seen.keywords, delivery.seen.message);
    if (delivery.lostSight) {
        delivery.result = Result::Unknown;
        const QString last = JobStateWord(delivery.seen.state);
        delivery.reason =
            QStringLiteral("the scheduler stopped answering about the job%1: it may still print")
                .arg(last.isEmpty() ? QString() : QStringLiteral(" (last seen %1)").arg(last));
    } else {
        delivery.result = interrupted ? Result::Sent : Result::TimedOut;
        delivery.reason =
            Unended(delivery.seen.state, when) + (words.isEmpty() ? QString() : QStringLiteral(": ") + words);
    }
    // A job waiting behind others or on a stopped queue has no reason of its own; the queue's,
    // as listed, says why.
    if (!delivery.lostSight && delivery.queue->state != platform::QueueState::Idle) {
        delivery.reason +=
            QStringLiteral("; the queue is %1%2")
                .arg(StateWord(delivery.queue->state), InBrackets(delivery.queue->stateReason));
    }
    delivery.stage = Stage::Done;
}

// Each printer as it stands when the run ends early.
void Finish(SendReport& report, bool interrupted) {
    const QString when = interrupted ? QStringLiteral("interrupted") : QStringLiteral("the wait ran out");
    for (SchedulerRun& run : report.runs) {
        if (!run.listing.queues && run.listing.failure.isEmpty()) {
            run.listing.failure =
                interrupted ? QStringLiteral("interrupted before the scheduler answered")
                            : QStringLiteral("no answer from the scheduler before the wait ran out");
        }
        for (Delivery& delivery : run.deliveries) {
            switch (delivery.stage) {
                case Stage::Waiting:
                    delivery.result = Result::NotSent;
                    delivery.reason = QStringLiteral("%1 before its turn").arg(when);
                    break;
                case Stage::Submitting:
                    delivery.result = Result::Unknown;
                    delivery.reason =
                        QStringLiteral("%1 before the scheduler answered: the job may be queued").arg(when);
                    break;
                case Stage::Following:
                    Unfinished(delivery, interrupted);
                    break;
                case Stage::Done:
                    continue;
            }
            delivery.stage = Stage::Done;
        }
    }
}

void Submit(Board& board, std::size_t s, std::size_t d, platform::CupsPrinterSystem& system,
            std::vector<std::size_t>& followed) {
    QString printer;
    {
        std::lock_guard lock(board.mutex);
        Delivery& delivery = board.runs[s].deliveries[d];
        if (board.silent[s]) {
            delivery.result = Result::NotSent;
            delivery.reason = QStringLiteral("the scheduler stopped answering before its turn");
            delivery.stage = Stage::Done;
            return;
        }
        delivery.stage = Stage::Submitting;
        printer = delivery.printer;
    }
    const platform::JobSubmission submission =
        platform::SendSettingsJob(system, printer.toStdString(), board.plan.document, board.plan.fileName);
    const auto outcome = system.lastOutcome();
    const QString failure = submission.accepted() ? QString()
                            : outcome == platform::CupsPrinterSystem::Outcome::Answered
                                ? Text(submission.failure)
                                : SchedulerFailure(system, board.schedulers[s], board.bounds);
    std::lock_guard lock(board.mutex);
    Delivery& delivery = board.runs[s].deliveries[d];
    delivery.stage = Stage::Done;
    if (submission.accepted()) {
        delivery.jobId = submission.jobId;
        delivery.result = Result::Sent;
        // Not followed, a job on a stopped queue would pass for delivered without a word.
        if (delivery.queue->state == platform::QueueState::Stopped) {
            delivery.reason = QStringLiteral("the queue is stopped%1: the job waits until it is started")
                                  .arg(InBrackets(delivery.queue->stateReason));
        }
        if (board.plan.end) {
            delivery.stage = Stage::Following;
            delivery.seen.state = platform::JobState::Pending;
            followed.push_back(d);
        }
        return;
    }
    // A connection that broke off says nothing of the scheduler: the next printer gets a new one.
    if (outcome != platform::CupsPrinterSystem::Outcome::Answered &&
        outcome != platform::CupsPrinterSystem::Outcome::Cut)
        board.silent[s] = true;
    if (submission.mayBeQueued) {
        delivery.result = Result::Unknown;
        delivery.jobId = submission.createdJobId;
        delivery.reason =
            failure + (delivery.jobId > 0 ? QStringLiteral(": job %1 may be queued").arg(delivery.jobId)
                                          : QStringLiteral(": the job may be queued"));
    } else {
        // Nothing was created: a refusal, or a scheduler gone before it was asked for the job.
        delivery.result =
            outcome == platform::CupsPrinterSystem::Outcome::Answered ? Result::Failed : Result::NotSent;
        delivery.reason = failure;
    }
}

void Follow(Board& board, std::size_t s, platform::CupsPrinterSystem& system, std::vector<std::size_t> jobs) {
    auto pause = std::chrono::duration_cast<Clock::duration>(kFirstPoll);
    while (!jobs.empty() && !board.stop) {
        std::erase_if(jobs, [&](std::size_t d) {
            if (board.stop)
                return false;
            QString printer;
            int jobId = 0;
            {
                std::lock_guard lock(board.mutex);
                printer = board.runs[s].deliveries[d].printer;
                jobId = board.runs[s].deliveries[d].jobId;
            }
            const platform::JobStatus status = system.jobStatus(printer.toStdString(), jobId);
            // An error instead of the job's state says as little as no answer.
            const bool answered = system.lastOutcome() == platform::CupsPrinterSystem::Outcome::Answered &&
                                  status.state != platform::JobState::Unknown;
            std::lock_guard lock(board.mutex);
            Delivery& delivery = board.runs[s].deliveries[d];
            // An answer cut off by the end of the run says nothing: the job stands as last seen.
            if (board.stop)
                return false;
            delivery.lostSight = !answered;
            return answered && Ended(delivery, status);
        });
        if (jobs.empty())
            return;
        board.pause(std::min(*board.bounds.deadline, Clock::now() + pause));
        pause = std::min<Clock::duration>(pause * 2, kLongestPoll);
    }
}

// One connection's share of a scheduler's printers: sends, then follows what it sent.
void Work(Board& board, std::size_t s, const std::vector<std::size_t>& toSend, std::atomic<std::size_t>& next,
          platform::CupsPrinterSystem& system) {
    std::vector<std::size_t> followed;
    for (std::size_t i = next++; i < toSend.size() && !board.stop; i = next++)
        Submit(board, s, toSend[i], system, followed);
    if (board.plan.end)
        Follow(board, s, system, std::move(followed));
}

void RunScheduler(const std::shared_ptr<Board>& board, std::size_t s) {
    const Scheduler& scheduler = board->schedulers[s];
    const std::unique_ptr<platform::CupsPrinterSystem> system = Connect(scheduler, board->bounds);
    Listing listing = ListQueues(*system, scheduler, board->bounds);
    std::vector<Delivery> chosen;
    if (listing.queues)
        chosen = Choose(*listing.queues, board->plan.names, s);
    // What the queues hold, from one request on this scheduler's own connection. A history that
    // cannot be read holds nothing sure: the settings go to every queue.
    std::map<std::string, platform::SettingsHistory> held;
    if (board->plan.ifChanged && listing.queues && !chosen.empty()) {
        if (const auto jobs = system->jobHistory())
            held = platform::SettingsHistories(*jobs);
    }
    const std::string digest = platform::SettingsDigest(board->plan.document);
    std::vector<std::size_t> toSend;
    for (std::size_t d = 0; d < chosen.size(); ++d) {
        if (!chosen[d].queue)
            continue;
        if (const auto history = held.find(chosen[d].queue->name);
            history != held.end() && Holds(history->second, digest)) {
            chosen[d].result = Result::Unchanged;
            chosen[d].reason =
                QStringLiteral("job %1, its last completed settings job, carried these settings")
                    .arg(history->second.lastCompleted->id);
            continue;
        }
        chosen[d].result = board->plan.dryRun ? Result::WouldSend : Result::NotSent;
        chosen[d].stage = board->plan.dryRun ? Stage::Done : Stage::Waiting;
        toSend.push_back(d);
    }
    {
        // Whichever name of a scheduler answers first is the one asked; looked at and taken in
        // one step, so that two names of one scheduler cannot both go ahead.
        std::lock_guard lock(board->mutex);
        for (std::size_t other = 0; other < board->runs.size() && !listing.sameAs; ++other) {
            if (other != s && !board->runs[other].listing.sameAs &&
                SameScheduler(board->runs[other].listing, listing))
                listing.sameAs = other;
        }
        if (listing.sameAs) {
            board->runs[s].listing = std::move(listing);
            return;
        }
        board->runs[s] = {std::move(listing), std::move(chosen)};
    }
    if (!board->plan.dryRun && !board->stop) {
        std::atomic<std::size_t> next = 0;
        std::vector<std::jthread> helpers;
        for (std::size_t i = 1; i < std::min(kConnectionsPerScheduler, toSend.size()); ++i) {
            helpers.emplace_back([&] { Work(*board, s, toSend, next, *Connect(scheduler, board->bounds)); });
        }
        Work(*board, s, toSend, next, *system);
    }
}

void RunAndReport(std::shared_ptr<Board> board, std::size_t s) {
    RunScheduler(board, s);
    {
        std::lock_guard lock(board->mutex);
        --board->working;
    }
    Wake();
}

// Jobs not ended when the run ended early: cancelled, one scheduler's at a time, each scheduler
// on its own.
void CancelUnfinished(SendReport& report, const std::vector<Scheduler>& schedulers, Clock::duration timeout,
                      bool interrupted) {
    const QString why = interrupted ? QStringLiteral("interrupted") : QStringLiteral("the wait ran out");
    std::vector<std::future<void>> cancellers;
    for (std::size_t s = 0; s < report.runs.size(); ++s) {
        cancellers.push_back(std::async(std::launch::async, [&, s] {
            const Bounds bounds{timeout};
            const std::unique_ptr<platform::CupsPrinterSystem> system = Connect(schedulers[s], bounds);
            QString silent;
            for (Delivery& delivery : report.runs[s].deliveries) {
                const bool unfinished = delivery.result == Result::TimedOut ||
                                        delivery.result == Result::Sent || delivery.result == Result::Unknown;
                if (!unfinished || delivery.jobId <= 0)
                    continue;
                const std::string queue = delivery.printer.toStdString();
                using Outcome = platform::CupsPrinterSystem::Outcome;
                QString refusal = silent;
                if (refusal.isEmpty()) {
                    if (system->cancelJob(queue, delivery.jobId)) {
                        delivery.result = Result::Canceled;
                        delivery.reason = QStringLiteral("cancelled when %1: %2").arg(why, delivery.reason);
                        continue;
                    }
                    if (system->lastOutcome() != Outcome::Answered) {
                        refusal = SchedulerFailure(*system, schedulers[s], bounds);
                        if (system->lastOutcome() != Outcome::Cut)
                            silent = refusal;
                    } else {
                        refusal = Text(platform::LastCupsError());
                        // Refused, perhaps because it has ended meanwhile.
                        const platform::JobStatus status = system->jobStatus(queue, delivery.jobId);
                        if (system->lastOutcome() == Outcome::Answered && Ended(delivery, status))
                            continue;
                    }
                }
                delivery.reason += QStringLiteral("; could not cancel it: %1").arg(refusal);
            }
        }));
    }
    for (auto& canceller : cancellers)
        canceller.get();
}

}  // namespace

SendReport Deliver(const std::vector<Scheduler>& schedulers, const SendPlan& plan) {
    auto board = std::make_shared<Board>();
    board->schedulers = schedulers;
    board->plan = plan;
    board->bounds.timeout = plan.timeout;
    const Clock::time_point start = Clock::now();
    // The workers stop a little before the end, so that what they did is known by then.
    const std::optional<Clock::time_point> stopAt =
        plan.end ? std::optional(std::max(start, *plan.end - kSettle)) : std::nullopt;
    board->bounds.deadline = stopAt;
    board->bounds.stop = &board->stop;
    board->runs.resize(schedulers.size());
    board->silent.resize(schedulers.size());
    board->working = schedulers.size();
    for (std::size_t s = 0; s < schedulers.size(); ++s)
        std::thread(RunAndReport, board, s).detach();

    const auto working = [&] {
        std::lock_guard lock(board->mutex);
        return board->working;
    };
    while (working() > 0 && !Interruption() && !(stopAt && Clock::now() >= *stopAt))
        WaitForWakeup(stopAt);
    bool early = working() > 0;
    if (early) {
        {
            std::lock_guard lock(board->mutex);
            board->stop = true;
        }
        board->stopped.notify_all();
        Clock::time_point settled = Clock::now() + kSettle;
        if (plan.end)
            settled = std::min(settled, std::max(Clock::now(), *plan.end));
        while (working() > 0 && Clock::now() < settled)
            WaitForWakeup(settled);
    }
    SendReport report;
    {
        std::lock_guard lock(board->mutex);
        report.runs = board->runs;
        report.lingering = board->working > 0;
    }
    report.interruption = Interruption();
    if (early || report.interruption) {
        Finish(report, report.interruption != 0);
        if (plan.cancelUnfinished)
            CancelUnfinished(report, schedulers, plan.timeout, report.interruption != 0);
    }
    return report;
}

}  // namespace ctl
