#pragma once
// The printer system on a CUPS scheduler: the one cupsServer() names, looked up
// again at every call so that CUPS_SERVER set at run time is honoured.
//
// Records: driver = printer-make-and-model; port = device-uri, but "FILE:" for a
// file: device; a queue that forwards to another scheduler's queue is a network
// connection (attributes exactly PRINTER_ATTRIBUTE_NETWORK) whose server is that
// host. A document is one raw job without banners.
#include "platform/PrinterSystem.h"

namespace platform {

class CupsPrinterSystem : public PrinterSystem {
public:
    std::vector<PrinterInfo4> enumLocalAndConnections() override;
    // Queues whose server is serverName; an empty name gives the queues of this machine.
    std::vector<PrinterInfo2> enumOnServer(const std::string& serverName) override;
    // Every queue, connections included, as a 9x spooler lists them.
    std::vector<PrinterInfo2> enumLocal() override;
    // Fails when the queue does not exist and, for PRINTER_ACCESS_USE, when it
    // does not accept jobs.
    std::unique_ptr<PrinterHandle> openPrinter(const std::string& printerName,
                                               std::uint32_t desiredAccess) override;
    void setLastError(std::uint32_t) override {}  // CUPS keeps no per-thread code we rely on
};

}  // namespace platform
