#pragma once
// The requests around one job on a CUPS scheduler, each on a connection the caller holds.
#include <cups/cups.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/CupsConnection.h"
#include "platform/PrinterSystem.h"

namespace platform {

// Why the queue cannot take a job now (it does not exist under exactly this name, or does not
// accept jobs, or the scheduler did not answer, when `answered` is set false); nothing when it can.
std::optional<std::string> QueueRefusal(CupsConnection& connection, const std::string& queue,
                                        bool* answered = nullptr);

// The job attribute of our own that holds a record's digest. A job attribute the scheduler does not
// know is kept with the job like any other, in its history too.
inline constexpr const char* kDigestAttribute = "bmk540-sha256";

// Create-Job (no banners) and its one raw document. The record's digest goes on the job, its file
// name is the document's name (the scheduler keeps it as document-name-supplied). The connection
// is left in the middle of a request when the document did not go through; the job id is then in
// `created`.
JobSubmission SubmitRawJob(CupsConnection& connection, const std::string& queue, const std::string& title,
                           std::span<const std::uint8_t> document, const JobRecord& record, int& created);

// Get-Jobs of every queue, ended or not, with what a settings job's record needs; in the
// scheduler's order. Nothing when it did not answer or refused.
std::optional<std::vector<HistoryJob>> QueryJobHistory(CupsConnection& connection);

// CUPS-Get-Document of the job's first document: its bytes, or nothing when the scheduler refused
// (the document was removed, or the user may not read it) or did not answer (`answered` false).
// A document longer than `longest` bytes is not read on (`whole` false): the connection is then
// left in the middle of the answer.
std::optional<std::vector<std::uint8_t>> QueryJobDocument(CupsConnection& connection,
                                                          const std::string& queue, int jobId,
                                                          std::size_t longest, bool& answered, bool& whole);

// Get-Job-Attributes.
JobStatus QueryJobStatus(CupsConnection& connection, const std::string& queue, int jobId);

// Cancel-Job; true once the scheduler has cancelled the job.
bool CancelJob(CupsConnection& connection, const std::string& queue, int jobId);

// What CUPS said about the last request that failed on this thread.
std::string LastCupsError();

}  // namespace platform
