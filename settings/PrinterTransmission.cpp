#include "settings/PrinterTransmission.h"

namespace settings {

using platform::PrinterHandle;

PrinterTransmission::PrinterTransmission(platform::PrinterSystem& system, platform::PlatformFamily family)
    : m_system(system), m_family(family) {}

SendResult PrinterTransmission::send(const std::string& printerName, const SettingsImage& image) {
    std::unique_ptr<PrinterHandle> handle = openAvailable(printerName);
    if (!handle) {
        return SendResult::NotAvailable;
    }
    if (!handle->startDocPrinter(kDocumentName)) {
        close(*handle);
        return SendResult::NotAvailable;
    }
    handle->resetPrinter();
    const std::span<const std::uint8_t> bytes(image.data(), image.size());
    const platform::WriteResult written = handle->writePrinter(bytes);
    // A document the spooler did not end may never reach the printer.
    const bool ended = handle->endDocPrinter();
    close(*handle);
    // Part of a printer command is worse than none: a short write is a failure.
    const bool whole = written.ok && written.written == bytes.size();
    return whole && ended ? SendResult::Sent : SendResult::WriteFailed;
}

std::unique_ptr<PrinterHandle> PrinterTransmission::openAvailable(const std::string& printerName) {
    if (m_family == platform::PlatformFamily::NT) {
        return m_system.openPrinter(printerName, platform::PRINTER_ACCESS_USE);
    }
    // Other systems open without asking for the right to print and read the status instead.
    std::unique_ptr<PrinterHandle> handle = m_system.openPrinter(printerName, 0);
    if (!handle) {
        return nullptr;
    }
    const std::optional<std::uint32_t> status = handle->getPrinterStatus();
    if (status && (*status & platform::PRINTER_STATUS_USER_INTERVENTION)) {
        close(*handle);
        return nullptr;
    }
    return handle;
}

void PrinterTransmission::close(PrinterHandle& handle) {
    m_system.setLastError(0);
    handle.closePrinter();
}

}  // namespace settings
