#pragma once
// What each scheduler's queues last received, as its job history tells: the queues listed, then
// every settings job from one Get-Jobs, all schedulers at once.
#include <map>
#include <string>
#include <vector>

#include "ctl/Schedulers.h"
#include "platform/ModelPrinter.h"

namespace ctl {

struct Holdings {
    Listing listing{};  // no queues: why the scheduler could not be asked
    std::map<std::string, platform::SettingsHistory> histories{};  // by queue name
};

// In the order given; a scheduler that lists its queues but does not hand over its history is
// one that could not be asked.
std::vector<Holdings> AskHoldings(const std::vector<Scheduler>& schedulers, const Bounds& bounds);

// Whether the queue's last completed settings job carried a record of exactly these bytes.
bool Holds(const platform::SettingsHistory& history, const std::string& digest);

}  // namespace ctl
