#pragma once
// Which queues the printer commands offer and which can take the settings, by the window's rule
// (platform/ModelPrinter.h), in the user's words where a queue cannot.
#include <QString>
#include <optional>

#include "platform/PrinterSystem.h"

namespace ctl {

// A queue `printers` lists and `send --all` sends to: the model's driver, not printing into a
// file; whether it takes jobs now is shown, not filtered.
bool IsListedQueue(const platform::PrinterQueue& queue);

// Why the settings cannot go to this queue now; nothing when they can.
std::optional<QString> Unsendable(const platform::PrinterQueue& queue);

// Whether a name given names the queue: CUPS compares queue names without regard to the case of
// ASCII letters.
bool SameQueueName(const QString& queue, const QString& name);

// "idle", "printing" or "stopped".
QString StateWord(platform::QueueState state);

}  // namespace ctl
