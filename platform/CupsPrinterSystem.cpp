#include "platform/CupsPrinterSystem.h"

#include "platform/CupsJob.h"
#include "platform/CupsQueue.h"

namespace platform {

namespace {
std::string Unreachable(const CupsServer& server) {
    return "cannot connect to the scheduler at " + server.host + ": " + LastCupsError();
}
}  // namespace

CupsPrinterSystem::CupsPrinterSystem(const std::string& server) : m_fixedServer(CupsServer::parse(server)) {}

http_t* CupsPrinterSystem::connection() {
    const CupsServer server = m_fixedServer.value_or(CupsServer::current());
    if (!m_connection || m_connection->server() != server || m_connection->closedByServer()) {
        m_connection.reset();
        m_connection = std::make_unique<CupsConnection>(server);
    }
    return m_connection->http();
}

std::optional<std::vector<PrinterQueue>> CupsPrinterSystem::queues() {
    http_t* http = connection();
    const auto found = http ? QueryCupsQueues(http) : std::nullopt;
    if (!found) {
        return std::nullopt;
    }
    std::vector<PrinterQueue> records;
    records.reserve(found->size());
    for (const CupsQueue& queue : *found) {
        records.push_back(queue.record());
    }
    return records;
}

JobSubmission CupsPrinterSystem::sendRawJob(const std::string& queue, const std::string& title,
                                            std::span<const std::uint8_t> document) {
    http_t* http = connection();
    if (!http) {
        return {0, Unreachable(m_connection->server())};
    }
    if (std::optional<std::string> refusal = QueueRefusal(http, queue)) {
        return {0, *refusal};
    }
    int created = 0;
    JobSubmission submission = SubmitRawJob(http, queue, title, document, created);
    if (!submission.accepted() && created > 0) {
        // The connection stopped in the middle of the document; a job that lost part of its
        // document must never reach the printer.
        m_connection.reset();
        if (http_t* canceller = connection()) {
            cupsCancelJob2(canceller, queue.c_str(), created, 0);
        }
    }
    return submission;
}

JobStatus CupsPrinterSystem::jobStatus(const std::string& queue, int jobId) {
    http_t* http = connection();
    if (!http) {
        return {JobState::Unknown, Unreachable(m_connection->server())};
    }
    return QueryJobStatus(http, queue, jobId);
}

}  // namespace platform
