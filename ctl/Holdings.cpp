#include "ctl/Holdings.h"

#include <future>

namespace ctl {

std::vector<Holdings> AskHoldings(const std::vector<Scheduler>& schedulers, const Bounds& bounds) {
    std::vector<Holdings> holdings;
    for (Listing& listing : ListQueues(schedulers, bounds))
        holdings.push_back({std::move(listing)});
    std::vector<std::future<void>> asked;
    for (std::size_t s = 0; s < schedulers.size(); ++s) {
        Holdings& held = holdings[s];
        if (!held.listing.queues || held.listing.sameAs)
            continue;
        asked.push_back(std::async(std::launch::async, [&held, &scheduler = schedulers[s], &bounds] {
            const auto system = Connect(scheduler, bounds);
            if (const auto jobs = system->jobHistory()) {
                held.histories = platform::SettingsHistories(*jobs);
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
