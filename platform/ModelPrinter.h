#pragma once
// This model's printers on a spooler: the queues that drive it, and the title its settings job
// travels under. The window's printer selection and the command line offer the same queues.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/PrinterSystem.h"

namespace platform {

inline constexpr const char* kModelDriver = "ORV Quillstrike 540QZ7";
inline constexpr const char* kStatusWriteTitle = "Brindlemark Status Write";
// The port of a queue that prints into a file: settings sent there never reach a printer.
inline constexpr const char* kFilePort = "FILE:";

// A queue of the model's driver, whether it takes jobs now or not.
bool IsModelDriver(const PrinterQueue& queue);
// A queue of the model's driver that accepts jobs now; one that takes none cannot receive them.
bool IsModelQueue(const PrinterQueue& queue);
std::vector<PrinterQueue> ModelQueues(const std::vector<PrinterQueue>& queues);

// Where a queue prints, as the selection shows it: the scheduler a connection forwards to, else
// its device.
std::string QueuePort(const PrinterQueue& queue);

// The settings job, as the window and the command line both send it: the image's bytes as one raw
// job under the title above. Sent only when the spooler took the whole document (accepted()).
JobSubmission SendSettingsJob(PrinterSystem& printers, const std::string& queue,
                              std::span<const std::uint8_t> image);

}  // namespace platform
