#include "tests/support/InMemoryPrinterSystem.h"

#include <algorithm>

namespace testing_support {

using platform::JobState;
using platform::JobStatus;
using platform::JobSubmission;
using platform::PrinterQueue;

PrinterQueue InMemoryPrinter::record() const {
    return {name, server, device, makeAndModel, state, acceptingJobs, stateReason};
}

InMemoryPrinter ModelPrinter(const std::string& name, const std::string& device) {
    InMemoryPrinter printer;
    printer.name = name;
    printer.device = device;
    printer.makeAndModel = "ORV Quillstrike 540QZ7";
    return printer;
}

InMemoryPrinterSystem::InMemoryPrinterSystem(std::vector<InMemoryPrinter> printers)
    : m_printers(std::move(printers)) {}

void InMemoryPrinterSystem::addPrinter(InMemoryPrinter printer) {
    m_printers.push_back(std::move(printer));
}

void InMemoryPrinterSystem::removePrinter(const std::string& name) {
    std::erase_if(m_printers, [&](const InMemoryPrinter& printer) { return printer.name == name; });
}

InMemoryPrinter* InMemoryPrinterSystem::printer(const std::string& name) {
    auto found = std::find_if(m_printers.begin(), m_printers.end(),
                              [&](const InMemoryPrinter& printer) { return printer.name == name; });
    return found == m_printers.end() ? nullptr : &*found;
}

void InMemoryPrinterSystem::setJobStatus(int jobId, JobStatus status) {
    for (ReceivedDocument& document : m_documents) {
        if (document.jobId == jobId) {
            document.status = std::move(status);
        }
    }
}

std::optional<std::vector<PrinterQueue>> InMemoryPrinterSystem::queues() {
    m_calls.push_back("Queues");
    if (m_listingFails) {
        return std::nullopt;
    }
    std::vector<PrinterQueue> records;
    for (const InMemoryPrinter& printer : m_printers) {
        records.push_back(printer.record());
    }
    return records;
}

JobSubmission InMemoryPrinterSystem::sendRawJob(const std::string& queue, const std::string& title,
                                                std::span<const std::uint8_t> document,
                                                const platform::JobRecord& record) {
    m_calls.push_back("SendRawJob(" + queue + ", " + title + ", " + std::to_string(document.size()) + ")");
    const InMemoryPrinter* found = printer(queue);
    if (!found) {
        return {0, "no such queue"};
    }
    if (!found->acceptingJobs) {
        return {0, "queue not accepting jobs"};
    }
    if (found->failStart) {
        return {0, "job not created"};
    }
    const int jobId = m_nextJobId++;
    const char* failure = found->failWrite                                            ? "document broke off"
                          : found->shortWrite && *found->shortWrite < document.size() ? "document cut short"
                          : found->failEnd                                            ? "document refused"
                                                                                      : nullptr;
    if (failure) {
        ++m_cancelledJobs;
        return {0, failure};
    }
    m_documents.push_back({jobId, queue, title, {document.begin(), document.end()}});
    m_documents.back().record = record;
    return {jobId, {}};
}

JobStatus InMemoryPrinterSystem::jobStatus(const std::string& queue, int jobId) {
    m_calls.push_back("JobStatus(" + queue + ", " + std::to_string(jobId) + ")");
    for (const ReceivedDocument& document : m_documents) {
        if (document.jobId == jobId && document.printerName == queue) {
            return document.status;
        }
    }
    return {JobState::NotFound, "no such job"};
}

std::optional<std::vector<platform::HistoryJob>> InMemoryPrinterSystem::jobHistory() {
    if (m_historyFails) {
        return std::nullopt;
    }
    std::vector<platform::HistoryJob> jobs;
    for (const ReceivedDocument& document : m_documents) {
        const bool completed = document.status.state == JobState::Completed;
        jobs.push_back(
            {document.jobId, document.printerName, document.status.state, completed ? document.jobId : 0,
             "tester", document.title,
             document.record.document.empty() ? std::nullopt : std::optional(document.record.document),
             document.record.sha256});
    }
    return jobs;
}

}  // namespace testing_support
