#include "ctl/Holdings.h"

#include <algorithm>
#include <future>

#include "platform/SettingsJob.h"

namespace ctl {

namespace {

void AskDocuments(platform::CupsPrinterSystem& system, Holdings& held, const DocumentWish& wish,
                  const Bounds& bounds) {
    // A scheduler that keeps its documents adds one timeout at most, however many are asked for.
    const Clock::time_point deadline = Clock::now() + bounds.timeout;
    system.setDeadline(bounds.deadline ? std::min(*bounds.deadline, deadline) : deadline);
    for (const platform::PrinterQueue& queue : *held.listing.queues) {
        const auto history = held.histories.find(queue.name);
        if (history == held.histories.end() || !history->second.lastCompleted || !wish.chosen(queue))
            continue;
        const platform::HistoryJob& job = *history->second.lastCompleted;
        // Bytes no trusted digest vouches for could never be told from others.
        const std::optional<std::string> digest = platform::TrustedDigest(job);
        if (!digest || *digest == wish.digest)
            continue;
        const auto bytes = system.jobDocument(queue.name, job.id, settings::kImageSize);
        if (system.lastOutcome() != platform::CupsPrinterSystem::Outcome::Answered)
            return;
        if (!bytes)
            continue;  // removed, or not this user's to read
        KeptDocument& kept = held.documents[queue.name];
        if (bytes->size() == settings::kImageSize && platform::SettingsDigest(*bytes) == *digest) {
            kept.image.emplace();
            std::copy(bytes->begin(), bytes->end(), kept.image->data());
        } else {
            kept.untrusted = true;
        }
    }
}

}  // namespace

std::vector<Holdings> AskHoldings(const std::vector<Scheduler>& schedulers, const Bounds& bounds,
                                  const DocumentWish* wish) {
    std::vector<Holdings> holdings;
    for (Listing& listing : ListQueues(schedulers, bounds))
        holdings.push_back({std::move(listing)});
    std::vector<std::future<void>> asked;
    for (std::size_t s = 0; s < schedulers.size(); ++s) {
        Holdings& held = holdings[s];
        if (!held.listing.queues || held.listing.sameAs)
            continue;
        asked.push_back(std::async(std::launch::async, [&held, &scheduler = schedulers[s], &bounds, wish] {
            const auto system = Connect(scheduler, bounds);
            if (const auto jobs = system->jobHistory()) {
                held.histories = platform::SettingsHistories(*jobs);
                if (wish)
                    AskDocuments(*system, held, *wish, bounds);
                return;
            }
            held.listing.failure = SchedulerFailure(*system, scheduler, bounds);
            held.listing.queues.reset();
        }));
    }
    for (auto& answer : asked)
        answer.get();
    return holdings;
}

bool Holds(const platform::SettingsHistory& history, const std::string& digest) {
    return history.lastCompleted && platform::TrustedDigest(*history.lastCompleted) == digest;
}

}  // namespace ctl
