#pragma once
// The printer system on the Windows spooler, with the calls the program was designed
// on. Texts are converted between the ANSI code page of the *A calls and UTF-8.
#include "platform/PrinterSystem.h"

namespace platform {

class WinspoolPrinterSystem : public PrinterSystem {
public:
    std::vector<PrinterInfo4> enumLocalAndConnections() override;
    std::vector<PrinterInfo2> enumOnServer(const std::string& serverName) override;
    std::vector<PrinterInfo2> enumLocal() override;
    std::unique_ptr<PrinterHandle> openPrinter(const std::string& printerName,
                                               std::uint32_t desiredAccess) override;
    void setLastError(std::uint32_t code) override;
};

}  // namespace platform
