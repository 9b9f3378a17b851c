#pragma once
// The requests around one job on a CUPS scheduler, each on a connection the caller holds.
#include <cups/cups.h>

#include <optional>
#include <span>
#include <string>

#include "platform/PrinterSystem.h"

namespace platform {

// Why the queue cannot take a job now (it does not exist under exactly this name, or does not
// accept jobs, or the scheduler did not answer, when `answered` is set false); nothing when it can.
std::optional<std::string> QueueRefusal(http_t* http, const std::string& queue, bool* answered = nullptr);

// Create-Job (no banners) and its one raw document. The connection is left in the middle of a
// request when the document did not go through; the job id is then in `created`.
JobSubmission SubmitRawJob(http_t* http, const std::string& queue, const std::string& title,
                           std::span<const std::uint8_t> document, int& created);

// Get-Job-Attributes.
JobStatus QueryJobStatus(http_t* http, const std::string& queue, int jobId);

// What CUPS said about the last request that failed on this thread.
std::string LastCupsError();

}  // namespace platform
