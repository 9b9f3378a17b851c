#pragma once
// A spooler described in code, for tests: queues with chosen records and injected failures;
// every call is recorded in order and every accepted document is kept.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/PrinterSystem.h"

namespace testing_support {

// Every member has an initializer, so a test names only the fields it cares about.
struct InMemoryPrinter {
    std::string name{};
    std::string server{};  // empty: a queue of this spooler
    std::string device{};
    std::string makeAndModel{};
    platform::QueueState state = platform::QueueState::Idle;
    bool acceptingJobs = true;
    std::string stateReason{};

    bool failStart = false;                   // the job cannot be created
    bool failWrite = false;                   // the document breaks off
    std::optional<std::size_t> shortWrite{};  // the spooler takes only this many bytes
    bool failEnd = false;                     // the spooler refuses the finished document

    platform::PrinterQueue record() const;
};

// A printer with the model's driver, on a normal device unless told.
InMemoryPrinter ModelPrinter(const std::string& name, const std::string& device = "USB001");

struct ReceivedDocument {
    int jobId = 0;
    std::string printerName;
    std::string title;
    std::vector<std::uint8_t> bytes;
    platform::JobStatus status{platform::JobState::Pending, {}};
    platform::JobRecord record{};
};

class InMemoryPrinterSystem : public platform::PrinterSystem {
public:
    InMemoryPrinterSystem() = default;
    explicit InMemoryPrinterSystem(std::vector<InMemoryPrinter> printers);

    void addPrinter(InMemoryPrinter printer);
    void removePrinter(const std::string& name);
    // The printer described under this name; nullptr if none.
    InMemoryPrinter* printer(const std::string& name);
    // The spooler cannot be asked for its queues.
    void setListingFails(bool fails) { m_listingFails = fails; }
    void setJobStatus(int jobId, platform::JobStatus status);
    // The spooler does not answer for its job history.
    void setHistoryFails(bool fails) { m_historyFails = fails; }

    // Calls as text, e.g. "Queues", "SendRawJob(Quill, Brindlemark Status Write, 190)".
    const std::vector<std::string>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    // Documents the spooler accepted, in order.
    const std::vector<ReceivedDocument>& documents() const { return m_documents; }
    // Jobs created and cancelled because their document did not arrive whole.
    int cancelledJobs() const { return m_cancelledJobs; }

    std::optional<std::vector<platform::PrinterQueue>> queues() override;
    platform::JobSubmission sendRawJob(const std::string& queue, const std::string& title,
                                       std::span<const std::uint8_t> document,
                                       const platform::JobRecord& record = {}) override;
    platform::JobStatus jobStatus(const std::string& queue, int jobId) override;
    // The accepted documents as jobs, completed at their job id's second; not recorded in calls().
    std::optional<std::vector<platform::HistoryJob>> jobHistory() override;

private:
    std::vector<InMemoryPrinter> m_printers;
    std::vector<std::string> m_calls;
    std::vector<ReceivedDocument> m_documents;
    bool m_listingFails = false;
    bool m_historyFails = false;
    int m_nextJobId = 1;
    int m_cancelledJobs = 0;
};

}  // namespace testing_support
