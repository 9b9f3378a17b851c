#pragma once
// What each scheduler's queues last received, as its job history tells: the queues listed, then
// every settings job from one Get-Jobs, all schedulers at once; and, where asked, the documents
// of the last completed ones that the scheduler still keeps.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ctl/Schedulers.h"
#include "platform/ModelPrinter.h"
#include "settings/SettingsImage.h"

namespace ctl {

// The document of a queue's last completed settings job, as the scheduler handed it over.
struct KeptDocument {
    std::optional<settings::SettingsImage> image{};  // the bytes, when the job's digest vouches for them
    bool untrusted = false;                          // bytes the job's digest does not vouch for
};

struct Holdings {
    Listing listing{};  // no queues: why the scheduler could not be asked
    std::map<std::string, platform::SettingsHistory> histories{};  // by queue name
    // By queue name: only the queues whose document was asked for and handed over.
    std::map<std::string, KeptDocument> documents{};
};

// The documents to ask for: those of the chosen queues whose last completed settings job carried a
// record of other bytes than `digest`.
struct DocumentWish {
    std::string digest;
    std::function<bool(const platform::PrinterQueue&)> chosen;
};

// In the order given; a scheduler that lists its queues but does not hand over its history is
// one that could not be asked. With a wish, each scheduler is then asked for those documents, one
// request each, for at most the timeout in all, and no more once one goes unanswered.
std::vector<Holdings> AskHoldings(const std::vector<Scheduler>& schedulers, const Bounds& bounds,
                                  const DocumentWish* wish = nullptr);

// Whether the queue's last completed settings job carried a record of exactly these bytes.
bool Holds(const platform::SettingsHistory& history, const std::string& digest);

}  // namespace ctl
