#pragma once
// The printer system on a CUPS scheduler: by default the one cupsServer() names, looked up
// again at every call so that CUPS_SERVER set at run time is honoured; or one named outright,
// so that one process can talk to several schedulers.
//
// One connection is kept and reused while it leads to the scheduler in force. An instance is for
// one thread at a time; threads that talk at once take one each.
#include <atomic>
#include <chrono>
#include <memory>

#include "platform/CupsConnection.h"
#include "platform/PrinterSystem.h"

namespace platform {

class CupsPrinterSystem : public PrinterSystem {
public:
    CupsPrinterSystem() = default;
    // "HOST", "HOST:PORT", "[ADDRESS]:PORT" or the path of the scheduler's unix socket.
    explicit CupsPrinterSystem(const std::string& server);

    std::optional<std::vector<PrinterQueue>> queues() override;
    JobSubmission sendRawJob(const std::string& queue, const std::string& title,
                             std::span<const std::uint8_t> document, const JobRecord& record = {}) override;
    JobStatus jobStatus(const std::string& queue, int jobId) override;

    // From now on connections and requests give up at this time, so that a caller that waits a
    // bounded time is never held longer by a scheduler that stopped answering. Cancelling a job
    // cut short still gets a moment past it.
    void setDeadline(std::chrono::steady_clock::time_point deadline);

    // Every call from now on gives up after `bound`, so that a scheduler that stopped answering
    // holds a window only that long. A connection a call gave up on is not used again. With a
    // deadline as well, a call gives up at whichever comes first.
    void boundEachCall(std::chrono::milliseconds bound);
    // From now on a call that waits for the scheduler gives up as soon as the flag is set.
    void abandonWhen(const std::atomic<bool>* flag);

    // How the last call went: the scheduler answered (yes or no), could not be reached, did not
    // answer in time (or the call was abandoned), or the connection broke off (or the answer could
    // not be read) in time; after the last two what it was asked may have happened.
    enum class Outcome { Answered, Unreachable, Unanswered, Cut };
    Outcome lastOutcome() const { return m_lastOutcome; }

    // The printer-uuid of every queue the last listing returned: a scheduler that lists one that
    // another listed is that scheduler under another name.
    const std::vector<std::string>& listedQueueIds() const { return m_listedIds; }

    std::optional<std::vector<HistoryJob>> jobHistory() override;

    // The bytes of the job's document while the scheduler still keeps it and lets this user read
    // it; nothing otherwise, or for a document longer than `longest` bytes. lastOutcome() tells a
    // refusal from no answer.
    std::optional<std::vector<std::uint8_t>> jobDocument(const std::string& queue, int jobId,
                                                         std::size_t longest);

    // Cancel-Job; true once the scheduler has cancelled the job.
    bool cancelJob(const std::string& queue, int jobId);

private:
    // With a bound per call: the deadline of the call that starts, and the connection dropped
    // when the call ran out of time.
    void beginCall();
    // `noAnswer`: the call failed for want of an answer, whatever CUPS says.
    void endCall(bool noAnswer = false);
    JobSubmission submitRawJob(const std::string& queue, const std::string& title,
                               std::span<const std::uint8_t> document, const JobRecord& record);
    // The connection broke off after the job was created: on a new one, the job is accepted when
    // the scheduler has its document, and cancelled when it does not; it may be queued when that
    // cannot be told.
    JobSubmission settleBrokenOff(const std::string& queue, int created, JobSubmission failed);

    // The open connection to the scheduler in force; nullptr when it cannot be reached.
    http_t* connection();

    std::optional<CupsServer> m_fixedServer;
    std::optional<std::chrono::steady_clock::time_point> m_deadline;
    std::optional<std::chrono::milliseconds> m_callBound;
    // The time the call under way gives up: the deadline, or the bound of one call if sooner.
    std::optional<std::chrono::steady_clock::time_point> m_callDeadline;
    const std::atomic<bool>* m_abandon = nullptr;
    Outcome m_lastOutcome = Outcome::Answered;
    std::vector<std::string> m_listedIds;
    bool m_noAnswer = false;  // of the submission under way
    std::unique_ptr<CupsConnection> m_connection;
};

}  // namespace platform
