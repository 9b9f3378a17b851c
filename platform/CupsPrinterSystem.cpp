#include "platform/CupsPrinterSystem.h"

#include <algorithm>

#include "platform/CupsConnection.h"
#include "platform/CupsPrinterHandle.h"
#include "platform/CupsQueue.h"

namespace platform {

namespace {
std::vector<CupsQueue> CurrentQueues() {
    CupsConnection connection = CupsConnection::toCurrentServer();
    if (!connection) {
        return {};
    }
    return QueryCupsQueues(connection.http()).value_or(std::vector<CupsQueue>{});
}
}  // namespace

std::vector<PrinterInfo4> CupsPrinterSystem::enumLocalAndConnections() {
    std::vector<PrinterInfo4> records;
    for (const CupsQueue& queue : CurrentQueues()) {
        records.push_back(queue.shortRecord());
    }
    return records;
}

std::vector<PrinterInfo2> CupsPrinterSystem::enumOnServer(const std::string& serverName) {
    std::vector<PrinterInfo2> records;
    for (const CupsQueue& queue : CurrentQueues()) {
        if (queue.serverName() == serverName) {
            records.push_back(queue.detailedRecord());
        }
    }
    return records;
}

std::vector<PrinterInfo2> CupsPrinterSystem::enumLocal() {
    std::vector<PrinterInfo2> records;
    for (const CupsQueue& queue : CurrentQueues()) {
        records.push_back(queue.detailedRecord());
    }
    return records;
}

std::unique_ptr<PrinterHandle> CupsPrinterSystem::openPrinter(const std::string& printerName,
                                                              std::uint32_t desiredAccess) {
    CupsConnection connection = CupsConnection::toCurrentServer();
    if (!connection) {
        return nullptr;
    }
    const auto queues = QueryCupsQueues(connection.http());
    if (!queues) {
        return nullptr;
    }
    // The scheduler matches queue names without regard to case; the spooler compares bytes.
    auto queue = std::find_if(queues->begin(), queues->end(),
                              [&](const CupsQueue& candidate) { return candidate.name == printerName; });
    if (queue == queues->end()) {
        return nullptr;
    }
    if ((desiredAccess & PRINTER_ACCESS_USE) && !queue->acceptingJobs) {
        return nullptr;
    }
    return std::make_unique<CupsPrinterHandle>(connection.server(), connection.port(), queue->name);
}

}  // namespace platform
