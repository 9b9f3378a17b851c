#pragma once
// An open CUPS queue. A document is one job holding one raw document, streamed to
// the scheduler between startDocPrinter and endDocPrinter on a connection of its own.
#include <optional>
#include <string>

#include "platform/CupsConnection.h"
#include "platform/PrinterSystem.h"

namespace platform {

class CupsPrinterHandle : public PrinterHandle {
public:
    // server and port name the scheduler the queue was found on.
    CupsPrinterHandle(std::string server, int port, std::string queueName);
    ~CupsPrinterHandle() override;

    std::optional<std::uint32_t> getPrinterStatus() override;
    bool startDocPrinter(const std::string& docName) override;
    bool resetPrinter() override;
    WriteResult writePrinter(std::span<const std::uint8_t> bytes) override;
    bool endDocPrinter() override;
    bool closePrinter() override;

private:
    CupsConnection connect() const { return CupsConnection(m_server, m_port); }
    void abandonDocument();

    std::string m_server;
    int m_port = 0;
    std::string m_queueName;
    bool m_closed = false;

    std::optional<CupsConnection> m_document;  // the connection carrying the open document
    int m_jobId = 0;
    bool m_writeFailed = false;
};

}  // namespace platform
