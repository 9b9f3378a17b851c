#include "platform/CupsPrinterHandle.h"

#include <algorithm>

#include "platform/CupsQueue.h"

namespace platform {

CupsPrinterHandle::CupsPrinterHandle(std::string server, int port, std::string queueName)
    : m_server(std::move(server)), m_port(port), m_queueName(std::move(queueName)) {}

CupsPrinterHandle::~CupsPrinterHandle() {
    abandonDocument();
}

std::optional<std::uint32_t> CupsPrinterHandle::getPrinterStatus() {
    if (m_closed) {
        return std::nullopt;
    }
    CupsConnection connection = connect();
    if (!connection) {
        return std::nullopt;
    }
    const auto queues = QueryCupsQueues(connection.http());
    if (!queues) {
        return std::nullopt;
    }
    auto queue = std::find_if(queues->begin(), queues->end(),
                              [&](const CupsQueue& candidate) { return candidate.name == m_queueName; });
    if (queue == queues->end()) {
        return std::nullopt;
    }
    return queue->statusWord();
}

bool CupsPrinterHandle::startDocPrinter(const std::string& docName) {
    if (m_closed || m_document) {
        return false;
    }
    CupsConnection connection = connect();
    if (!connection) {
        return false;
    }
    // The bytes are a printer command: no banner page may come before or after them.
    cups_option_t* options = nullptr;
    int optionCount = cupsAddOption("job-sheets", "none", 0, &options);
    const int jobId =
        cupsCreateJob(connection.http(), m_queueName.c_str(), docName.c_str(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (jobId <= 0) {
        return false;
    }
    if (cupsStartDocument(connection.http(), m_queueName.c_str(), jobId, docName.c_str(), CUPS_FORMAT_RAW,
                          1) != HTTP_STATUS_CONTINUE) {
        CupsConnection canceller = connect();
        if (canceller) {
            cupsCancelJob2(canceller.http(), m_queueName.c_str(), jobId, 0);
        }
        return false;
    }
    m_document.emplace(std::move(connection));
    m_jobId = jobId;
    m_writeFailed = false;
    return true;
}

bool CupsPrinterHandle::resetPrinter() {
    // No data type or device mode is ever set, so there is nothing to reset.
    return !m_closed;
}

WriteResult CupsPrinterHandle::writePrinter(std::span<const std::uint8_t> bytes) {
    if (!m_document || m_writeFailed) {
        return {};
    }
    if (bytes.empty()) {
        return {true, 0};
    }
    if (cupsWriteRequestData(m_document->http(), reinterpret_cast<const char*>(bytes.data()), bytes.size()) !=
        HTTP_STATUS_CONTINUE) {
        m_writeFailed = true;
        return {};
    }
    return {true, static_cast<std::uint32_t>(bytes.size())};
}

bool CupsPrinterHandle::endDocPrinter() {
    if (!m_document) {
        return false;
    }
    // A document that lost part of its data must not reach the printer.
    if (m_writeFailed) {
        abandonDocument();
        return false;
    }
    const ipp_status_t status = cupsFinishDocument(m_document->http(), m_queueName.c_str());
    if (status > IPP_STATUS_OK_EVENTS_COMPLETE) {
        abandonDocument();
        return false;
    }
    m_document.reset();
    m_jobId = 0;
    return true;
}

bool CupsPrinterHandle::closePrinter() {
    if (m_closed) {
        return false;
    }
    abandonDocument();
    m_closed = true;
    return true;
}

void CupsPrinterHandle::abandonDocument() {
    if (!m_document) {
        return;
    }
    // Closing the half-sent request first: the scheduler then holds an incomplete job we cancel.
    m_document.reset();
    if (CupsConnection canceller = connect()) {
        cupsCancelJob2(canceller.http(), m_queueName.c_str(), m_jobId, 0);
    }
    m_jobId = 0;
}

}  // namespace platform
