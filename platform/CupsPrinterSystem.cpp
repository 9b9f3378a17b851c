#include "platform/CupsPrinterSystem.h"

#include <algorithm>

#include "platform/CupsJob.h"
#include "platform/CupsQueue.h"

namespace platform {

namespace {
// Past the deadline a connection or request still gets this long: enough for a scheduler that
// answers at all, and for cancelling a job cut short.
constexpr std::chrono::milliseconds kPastDeadline{200};

std::string Unreachable(const CupsServer& server) {
    return "cannot connect to the scheduler at " + server.host + ": " + LastCupsError();
}
}  // namespace

CupsPrinterSystem::CupsPrinterSystem(const std::string& server) : m_fixedServer(CupsServer::parse(server)) {}

void CupsPrinterSystem::setDeadline(std::chrono::steady_clock::time_point deadline) {
    m_deadline = deadline;
    m_callDeadline = deadline;
    if (m_connection) {
        m_connection->giveUpAt(deadline + kPastDeadline);
    }
}

void CupsPrinterSystem::boundEachCall(std::chrono::milliseconds bound) {
    m_callBound = bound;
}

void CupsPrinterSystem::abandonWhen(const std::atomic<bool>* flag) {
    m_abandon = flag;
    if (m_connection) {
        m_connection->abandonWhen(flag);
    }
}

void CupsPrinterSystem::beginCall() {
    m_lastOutcome = Outcome::Answered;
    if (m_callBound) {
        const auto bound = std::chrono::steady_clock::now() + *m_callBound;
        m_callDeadline = m_deadline ? std::min(*m_deadline, bound) : bound;
    }
    if (m_connection && m_callDeadline) {
        m_connection->giveUpAt(*m_callDeadline + kPastDeadline);
    }
}

void CupsPrinterSystem::endCall(bool noAnswer) {
    const auto now = std::chrono::steady_clock::now();
    if (m_connection && m_connection->gaveUp()) {
        m_lastOutcome = Outcome::Unanswered;
    } else if (noAnswer && m_lastOutcome == Outcome::Answered) {
        // Without an answer before the time was up, the connection failed; CUPS then says little
        // ("Success", at times).
        m_lastOutcome = m_callDeadline && now < *m_callDeadline ? Outcome::Cut : Outcome::Unanswered;
    }
    // An answer cut off half-way would be read as the start of the next one.
    if (m_lastOutcome == Outcome::Unanswered || m_lastOutcome == Outcome::Cut ||
        (m_callBound && m_callDeadline && now >= *m_callDeadline)) {
        m_connection.reset();
    }
}

http_t* CupsPrinterSystem::connection() {
    const CupsServer server = m_fixedServer.value_or(CupsServer::current());
    if (!m_connection || m_connection->server() != server || m_connection->closedByServer()) {
        // A connection given up on is not used again; the call still knows it was.
        if (m_connection && m_connection->gaveUp()) {
            m_lastOutcome = Outcome::Unanswered;
        }
        m_connection.reset();
        if (!m_callDeadline) {
            m_connection = std::make_unique<CupsConnection>(server);
        } else {
            using std::chrono::milliseconds;
            const auto left = std::chrono::duration_cast<milliseconds>(*m_callDeadline + kPastDeadline -
                                                                       std::chrono::steady_clock::now());
            const auto timeout = std::clamp<milliseconds::rep>(left.count(), kPastDeadline.count(),
                                                               CupsConnection::kConnectTimeoutMs);
            m_connection = std::make_unique<CupsConnection>(server, static_cast<int>(timeout));
            m_connection->giveUpAt(*m_callDeadline + kPastDeadline);
        }
        m_connection->abandonWhen(m_abandon);
        if (!*m_connection && m_lastOutcome == Outcome::Answered) {
            m_lastOutcome = Outcome::Unreachable;
        }
    }
    return m_connection->http();
}

std::optional<std::vector<PrinterQueue>> CupsPrinterSystem::queues() {
    beginCall();
    http_t* http = connection();
    const auto found = http ? QueryCupsQueues(*m_connection) : std::nullopt;
    endCall(!found && cupsLastError() == IPP_STATUS_OK);
    if (!found) {
        return std::nullopt;
    }
    std::vector<PrinterQueue> records;
    records.reserve(found->size());
    m_listedIds.clear();
    for (const CupsQueue& queue : *found) {
        records.push_back(queue.record());
        if (!queue.uuid.empty()) {
            m_listedIds.push_back(queue.uuid);
        }
    }
    return records;
}

JobSubmission CupsPrinterSystem::sendRawJob(const std::string& queue, const std::string& title,
                                            std::span<const std::uint8_t> document, const JobRecord& record) {
    beginCall();
    JobSubmission submission = submitRawJob(queue, title, document, record);
    endCall(m_noAnswer);
    return submission;
}

JobSubmission CupsPrinterSystem::submitRawJob(const std::string& queue, const std::string& title,
                                              std::span<const std::uint8_t> document,
                                              const JobRecord& record) {
    m_noAnswer = false;
    http_t* http = connection();
    if (!http) {
        return {0, Unreachable(m_connection->server())};
    }
    bool answered = true;
    if (std::optional<std::string> refusal = QueueRefusal(*m_connection, queue, &answered)) {
        m_noAnswer = !answered;
        return {0, *refusal};
    }
    int created = 0;
    JobSubmission submission = SubmitRawJob(*m_connection, queue, title, document, record, created);
    if (!submission.accepted() && created > 0) {
        // The connection stopped in the middle of the document or before its answer; a job that
        // lost part of its document must never reach the printer.
        const bool gaveUp = m_connection->gaveUp();
        m_connection.reset();
        if (gaveUp) {
            if (!connection() || !CancelJob(*m_connection, queue, created)) {
                submission.mayBeQueued = true;
                submission.createdJobId = created;
            }
            m_lastOutcome = Outcome::Unanswered;
        } else {
            submission = settleBrokenOff(queue, created, std::move(submission));
        }
    }
    m_noAnswer = submission.mayBeQueued;
    return submission;
}

JobSubmission CupsPrinterSystem::settleBrokenOff(const std::string& queue, int created,
                                                 JobSubmission failed) {
    // The scheduler keeps a document only once it has all of it; whether it has is its to say.
    const JobStatus found = connection() ? QueryJobStatus(*m_connection, queue, created) : JobStatus{};
    if (found.documents.value_or(0) > 0) {
        return {created, {}};
    }
    const bool ended = found.state == JobState::NotFound || found.state == JobState::Canceled ||
                       found.state == JobState::Aborted;
    if (found.state == JobState::Unknown || (!ended && !CancelJob(*m_connection, queue, created))) {
        failed.mayBeQueued = true;
        failed.createdJobId = created;
    }
    return failed;
}

JobStatus CupsPrinterSystem::jobStatus(const std::string& queue, int jobId) {
    beginCall();
    http_t* http = connection();
    JobStatus status = http ? QueryJobStatus(*m_connection, queue, jobId)
                            : JobStatus{JobState::Unknown, Unreachable(m_connection->server())};
    endCall(status.state == JobState::Unknown && cupsLastError() == IPP_STATUS_OK);
    return status;
}

std::optional<std::vector<HistoryJob>> CupsPrinterSystem::jobHistory() {
    beginCall();
    http_t* http = connection();
    std::optional<std::vector<HistoryJob>> jobs = http ? QueryJobHistory(*m_connection) : std::nullopt;
    endCall(!jobs && cupsLastError() == IPP_STATUS_OK);
    return jobs;
}

std::optional<std::vector<std::uint8_t>> CupsPrinterSystem::jobDocument(const std::string& queue, int jobId,
                                                                        std::size_t longest) {
    beginCall();
    http_t* http = connection();
    bool answered = http != nullptr, whole = true;
    std::optional<std::vector<std::uint8_t>> document =
        http ? QueryJobDocument(*m_connection, queue, jobId, longest, answered, whole) : std::nullopt;
    endCall(!answered);
    if (!whole) {
        m_connection.reset();  // the rest of the document would be read as the next answer
    }
    return document;
}

bool CupsPrinterSystem::cancelJob(const std::string& queue, int jobId) {
    beginCall();
    http_t* http = connection();
    const bool cancelled = http && CancelJob(*m_connection, queue, jobId);
    endCall(!cancelled && cupsLastError() == IPP_STATUS_OK);
    return cancelled;
}

}  // namespace platform
