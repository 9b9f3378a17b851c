#include "platform/ModelPrinter.h"

#include <algorithm>

namespace platform {

bool IsModelDriver(const PrinterQueue& queue) {
    return queue.makeAndModel == kModelDriver;
}

bool IsModelQueue(const PrinterQueue& queue) {
    return IsModelDriver(queue) && queue.acceptingJobs;
}

std::vector<PrinterQueue> ModelQueues(const std::vector<PrinterQueue>& queues) {
    std::vector<PrinterQueue> model;
    std::copy_if(queues.begin(), queues.end(), std::back_inserter(model), IsModelQueue);
    return model;
}

std::string QueuePort(const PrinterQueue& queue) {
    return queue.server.empty() ? queue.device : queue.server;
}

bool IsSettingsJob(const HistoryJob& job) {
    return job.title == kStatusWriteTitle || job.digest.has_value();
}

std::optional<std::string> TrustedDigest(const HistoryJob& job) {
    const auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
    if (!job.digest || job.digest->size() != 64 || !std::all_of(job.digest->begin(), job.digest->end(), hex))
        return std::nullopt;
    return job.digest;
}

std::map<std::string, SettingsHistory> SettingsHistories(const std::vector<HistoryJob>& jobs) {
    std::map<std::string, SettingsHistory> histories;
    const auto later = [](const std::optional<HistoryJob>& held, const HistoryJob& job) {
        return !held || job.id > held->id;
    };
    for (const HistoryJob& job : jobs) {
        if (!IsSettingsJob(job))
            continue;
        SettingsHistory& history = histories[job.queue];
        if (later(history.last, job))
            history.last = job;
        if (job.state == JobState::Completed && later(history.lastCompleted, job))
            history.lastCompleted = job;
    }
    return histories;
}

}  // namespace platform
