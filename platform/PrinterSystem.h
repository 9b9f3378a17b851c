#pragma once
// The print spooler in the program's own terms: the queues of one scheduler, a raw job sent
// under a title, and what became of a job. No Qt here; all texts are UTF-8.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

enum class QueueState { Idle, Processing, Stopped };

struct PrinterQueue {
    std::string name;
    // The host of the scheduler a connection forwards to; empty for a queue of this scheduler.
    std::string server;
    // The device URI, or "FILE:" for a queue that prints into a file.
    std::string device;
    std::string makeAndModel;  // the driver
    QueueState state = QueueState::Idle;
    bool acceptingJobs = true;
    // Why the queue is in its state, e.g. "paused; Out of paper"; empty when nothing is wrong.
    std::string stateReason;

    bool operator==(const PrinterQueue&) const = default;
};

// The spooler's answer to a job: its id, or why it took none.
struct JobSubmission {
    int jobId = 0;        // set once the spooler has accepted the whole document
    std::string failure;  // the spooler's reason when it has not
    // No answer came to the request that creates the job or takes its document: the job may be
    // queued all the same, under createdJobId when the spooler had named it.
    bool mayBeQueued = false;
    int createdJobId = 0;

    bool accepted() const { return jobId > 0; }
};

// What a job says about the document it carries, in attributes the spooler keeps in its job
// history after the document itself is gone.
struct JobRecord {
    std::string document;  // the name of the file the bytes came from; empty when there is none
    std::string sha256;    // of the bytes, in lower-case hex; empty for no digest
};

enum class JobState { Unknown, NotFound, Pending, Held, Processing, Completed, Aborted, Canceled };

struct JobStatus {
    JobState state = JobState::Unknown;
    // The job's state reasons and the printer's message, or why the state is not known.
    std::string reason;
    // The same reasons as the spooler's keywords (less "none"), and the message, each alone.
    std::vector<std::string> keywords{};
    std::string message{};
    std::int64_t completed = 0;      // seconds since 1970 (UTC) when it completed; 0 when not known
    std::optional<int> documents{};  // how many documents it holds, when the spooler says
};

// A job as the spooler's history keeps it, with the record it carries as it stands there (written
// by whoever sent the job: not to be trusted as it is).
struct HistoryJob {
    int id = 0;
    std::string queue;
    JobState state = JobState::Unknown;
    std::int64_t completed = 0;  // seconds since 1970 (UTC); 0 when it has not completed
    std::string user;            // who sent it, when the spooler tells
    std::string title;
    std::optional<std::string> document{};  // the name the document was sent under
    std::optional<std::string> digest{};    // the digest attribute of a settings job's record
};

class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;

    // Every queue, in the spooler's order, from one request; nothing when the spooler cannot be
    // asked, so that "no spooler" differs from "no queues".
    virtual std::optional<std::vector<PrinterQueue>> queues() = 0;

    // One job holding `document` unconverted, without banner pages. A queue that does not exist
    // or does not accept jobs fails before a job is created; a job whose document did not reach
    // the spooler whole is cancelled and fails. When the connection breaks off after the job was
    // created, the spooler is asked on a new one whether the document reached it: the job is then
    // accepted as any other. A spooler without a job history drops the record.
    virtual JobSubmission sendRawJob(const std::string& queue, const std::string& title,
                                     std::span<const std::uint8_t> document,
                                     const JobRecord& record = {}) = 0;

    virtual JobStatus jobStatus(const std::string& queue, int jobId) = 0;

    // Every job the spooler keeps, ended or not, from one request; nothing when it cannot be
    // asked or keeps no history.
    virtual std::optional<std::vector<HistoryJob>> jobHistory() { return std::nullopt; }
};

// The spooler of this process: the default, unless a test installed its own.
PrinterSystem& CurrentPrinterSystem();
// The platform's spooler, defined by the one default source file the build takes: CUPS on Linux,
// the Windows spooler on Windows.
PrinterSystem& DefaultPrinterSystem();
// Tests install their own (kept by the caller); nullptr restores the real one.
void SetPrinterSystemForTesting(PrinterSystem* system);

}  // namespace platform
