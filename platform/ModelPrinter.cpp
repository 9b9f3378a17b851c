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

JobSubmission SendSettingsJob(PrinterSystem& printers, const std::string& queue,
                              std::span<const std::uint8_t> image) {
    return printers.sendRawJob(queue, kStatusWriteTitle, image);
}

}  // namespace platform
