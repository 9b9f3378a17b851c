#pragma once
// This model's printers on a spooler: the queues that drive it, and the title its settings job
// travels under. The window's printer selection and the command line offer the same queues.
#include <cstdint>
#include <map>
#include <optional>
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

// A job of the history that is a settings job: sent under the title, or carrying a digest.
bool IsSettingsJob(const HistoryJob& job);
// The job's digest when it is one this program writes (64 lower-case hex digits); nothing for no
// digest or one written by something else, which says nothing sure about the bytes.
std::optional<std::string> TrustedDigest(const HistoryJob& job);

// A queue's settings jobs in the history: the last one sent, and the last one that completed,
// which is what the printer holds (an aborted or cancelled job never reached it whole).
struct SettingsHistory {
    std::optional<HistoryJob> last{};
    std::optional<HistoryJob> lastCompleted{};
};
// By queue name, from a scheduler's history.
std::map<std::string, SettingsHistory> SettingsHistories(const std::vector<HistoryJob>& jobs);

}  // namespace platform
