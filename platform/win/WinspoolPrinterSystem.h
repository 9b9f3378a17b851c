#pragma once
// The printer system on the Windows spooler. Texts are converted between the ANSI code page of
// the *A calls and UTF-8.
#include "platform/PrinterSystem.h"

namespace platform {

class WinspoolPrinterSystem : public PrinterSystem {
public:
    // The printers of this machine and its printer connections, from one enumeration. A printer
    // accepts jobs when it can be opened for printing.
    std::optional<std::vector<PrinterQueue>> queues() override;
    JobSubmission sendRawJob(const std::string& queue, const std::string& title,
                             std::span<const std::uint8_t> document, const JobRecord& record = {}) override;
    JobStatus jobStatus(const std::string& queue, int jobId) override;
};

}  // namespace platform
