#include "ctl/Delivery.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "ctl/QueueChoice.h"
#include "platform/ModelPrinter.h"

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

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString InBrackets(const std::string& text) {
    return text.empty() ? QString() : QStringLiteral(" (%1)").arg(Text(text));
}

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
            return Text(q.name) == name;
        });
        if (queue != queues.end())
            add(*queue);
    }
    return chosen;
}

// How a job that has not ended stands when the wait runs out.
QString Unended(platform::JobState state) {
    switch (state) {
        case platform::JobState::Pending:
            return QStringLiteral("the job was still pending when the wait ran out");
        case platform::JobState::Held:
            return QStringLiteral("the job was still held when the wait ran out");
        case platform::JobState::Processing:
            return QStringLiteral("the job was still printing when the wait ran out");
        default:
            return QStringLiteral("the scheduler did not say what became of the job before the wait ran out");
    }
}

void Send(Delivery& delivery, platform::PrinterSystem& system, std::span<const std::uint8_t> document,
          std::optional<Clock::time_point> deadline) {
    const platform::JobSubmission submission =
        system.sendRawJob(delivery.printer.toStdString(), platform::kStatusWriteTitle, document);
    if (!submission.accepted()) {
        delivery.reason = SchedulerFailure(submission.failure, deadline);
        return;
    }
    delivery.jobId = submission.jobId;
    delivery.result = Result::Sent;
    // Not followed, a job on a stopped queue would pass for delivered without a word.
    if (delivery.queue->state == platform::QueueState::Stopped) {
        delivery.reason = QStringLiteral("the queue is stopped%1: the job waits until it is started")
                              .arg(InBrackets(delivery.queue->stateReason));
    }
}

// Whether the job has ended; the delivery says how, or how it stands.
bool Ended(Delivery& delivery, const platform::JobStatus& status) {
    const QString reason = Text(status.reason);
    switch (status.state) {
        case platform::JobState::Completed:
            // CUPS leaves reasons of the printing behind on a completed job; they say nothing.
            delivery.result = Result::Completed;
            delivery.reason.clear();
            return true;
        case platform::JobState::Aborted:
            delivery.result = Result::Aborted;
            delivery.reason = reason;
            return true;
        case platform::JobState::Canceled:
            delivery.result = Result::Canceled;
            delivery.reason = reason;
            return true;
        case platform::JobState::NotFound:
            delivery.result = Result::Failed;
            // The scheduler forgets the jobs of a queue deleted while they wait.
            delivery.reason =
                QStringLiteral("the job is gone from the scheduler (its queue deleted?): %1").arg(reason);
            return true;
        default:
            delivery.result = Result::TimedOut;
            delivery.reason =
                Unended(status.state) + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
            // A job waiting behind others or on a stopped queue has no reason of its own; the
            // queue's, as listed, says why.
            if (delivery.queue->state != platform::QueueState::Idle) {
                delivery.reason +=
                    QStringLiteral("; the queue is %1%2")
                        .arg(StateWord(delivery.queue->state), InBrackets(delivery.queue->stateReason));
            }
            return false;
    }
}

void Follow(std::vector<Delivery*> jobs, platform::PrinterSystem& system, Clock::time_point deadline) {
    auto pause = std::chrono::duration_cast<Clock::duration>(kFirstPoll);
    for (;;) {
        std::erase_if(jobs, [&](Delivery* delivery) {
            if (Clock::now() >= deadline)
                return false;
            const platform::JobStatus status =
                system.jobStatus(delivery->printer.toStdString(), delivery->jobId);
            // An answer cut off by the deadline says nothing; the job stands as it was last seen.
            if (status.state == platform::JobState::Unknown && Clock::now() >= deadline)
                return false;
            return Ended(*delivery, status);
        });
        if (jobs.empty() || Clock::now() >= deadline)
            return;
        std::this_thread::sleep_until(std::min(deadline, Clock::now() + pause));
        pause = std::min<Clock::duration>(pause * 2, kLongestPoll);
    }
}

// One connection's share of a scheduler's printers: sends, then follows what it sent.
void Work(const std::vector<Delivery*>& printers, std::atomic<std::size_t>& next,
          platform::PrinterSystem& system, std::span<const std::uint8_t> document,
          std::optional<Clock::time_point> deadline) {
    std::vector<Delivery*> sent;
    for (std::size_t i = next++; i < printers.size(); i = next++) {
        Delivery& delivery = *printers[i];
        if (deadline && Clock::now() >= *deadline) {
            delivery.result = Result::TimedOut;
            delivery.reason = QStringLiteral("not sent: the wait ran out first");
            continue;
        }
        Send(delivery, system, document, deadline);
        if (deadline && delivery.result == Result::Sent) {
            // Timed out until the scheduler tells otherwise.
            Ended(delivery, {platform::JobState::Unknown, {}});
            sent.push_back(&delivery);
        }
    }
    if (deadline)
        Follow(std::move(sent), system, *deadline);
}

void Run(SchedulerRun& run, const Scheduler& scheduler, std::size_t index, const QStringList& names,
         std::span<const std::uint8_t> document, std::optional<Clock::time_point> deadline) {
    const std::unique_ptr<platform::PrinterSystem> system = Connect(scheduler, deadline);
    run.listing = ListQueues(*system, deadline);
    if (!run.listing.queues)
        return;
    run.deliveries = Choose(*run.listing.queues, names, index);
    std::vector<Delivery*> toSend;
    for (Delivery& delivery : run.deliveries) {
        if (delivery.queue)
            toSend.push_back(&delivery);
    }
    // Each delivery is written by the one thread that took it; the joins publish them all.
    std::atomic<std::size_t> next = 0;
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < std::min(kConnectionsPerScheduler, toSend.size()); ++i) {
        helpers.emplace_back([&] { Work(toSend, next, *Connect(scheduler, deadline), document, deadline); });
    }
    Work(toSend, next, *system, document, deadline);
}

}  // namespace

QString ResultWord(Result result) {
    switch (result) {
        case Result::Sent:
            return QStringLiteral("sent");
        case Result::Completed:
            return QStringLiteral("completed");
        case Result::Aborted:
            return QStringLiteral("aborted");
        case Result::Canceled:
            return QStringLiteral("canceled");
        case Result::TimedOut:
            return QStringLiteral("timed-out");
        case Result::Failed:
            break;
    }
    return QStringLiteral("failed");
}

std::vector<SchedulerRun> Deliver(const std::vector<Scheduler>& schedulers, const QStringList& names,
                                  std::span<const std::uint8_t> document,
                                  std::optional<Clock::time_point> deadline) {
    std::vector<SchedulerRun> runs(schedulers.size());
    std::vector<std::jthread> threads;
    for (std::size_t s = 0; s < schedulers.size(); ++s) {
        threads.emplace_back(Run, std::ref(runs[s]), std::cref(schedulers[s]), s, std::cref(names), document,
                             deadline);
    }
    threads.clear();  // joins
    return runs;
}

}  // namespace ctl
