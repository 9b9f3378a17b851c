#pragma once
// The print spooler as the program sees it: the enumeration records and the handle
// calls of the Windows spooler, so that printer selection and sending keep their
// steps. No Qt here. All texts are UTF-8.
//
// Include this header before <windows.h>: the constant names below are macros there.
#ifdef PRINTER_ATTRIBUTE_NETWORK
#error "include platform/PrinterSystem.h before <windows.h>"
#endif

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

inline constexpr std::uint32_t PRINTER_ATTRIBUTE_SHARED = 0x00000008;
inline constexpr std::uint32_t PRINTER_ATTRIBUTE_NETWORK = 0x00000010;
inline constexpr std::uint32_t PRINTER_ATTRIBUTE_LOCAL = 0x00000040;

inline constexpr std::uint32_t PRINTER_STATUS_PAUSED = 0x00000001;
inline constexpr std::uint32_t PRINTER_STATUS_ERROR = 0x00000002;
inline constexpr std::uint32_t PRINTER_STATUS_USER_INTERVENTION = 0x00100000;

inline constexpr std::uint32_t PRINTER_ACCESS_USE = 0x00000008;

// PRINTER_INFO_4: what the level-4 enumeration gives.
struct PrinterInfo4 {
    std::string printerName;
    std::string serverName;  // empty for a printer of this machine
    std::uint32_t attributes = 0;

    bool operator==(const PrinterInfo4&) const = default;
};

// The part of PRINTER_INFO_2 the program reads.
struct PrinterInfo2 {
    std::string printerName;
    std::string serverName;
    std::string portName;
    std::string driverName;
    std::uint32_t status = 0;
    std::uint32_t attributes = 0;

    bool operator==(const PrinterInfo2&) const = default;
};

struct WriteResult {
    bool ok = false;
    std::uint32_t written = 0;
};

// An open printer (OpenPrinterA). Call closePrinter() when done; a handle dropped
// without it releases what it holds and abandons an unfinished document.
class PrinterHandle {
public:
    virtual ~PrinterHandle() = default;

    // GetPrinterA level 2: the Status word; nothing when the call fails.
    virtual std::optional<std::uint32_t> getPrinterStatus() = 0;
    // StartDocPrinterA level 1 with DOC_INFO_1 {docName, no output file, no data type}.
    virtual bool startDocPrinter(const std::string& docName) = 0;
    // ResetPrinterA with no defaults.
    virtual bool resetPrinter() = 0;
    virtual WriteResult writePrinter(std::span<const std::uint8_t> bytes) = 0;
    virtual bool endDocPrinter() = 0;
    virtual bool closePrinter() = 0;
};

class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;

    // EnumPrintersA level 4, PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS (flags 6).
    virtual std::vector<PrinterInfo4> enumLocalAndConnections() = 0;
    // EnumPrintersA level 2, PRINTER_ENUM_NAME (flag 8); an empty server means this machine.
    virtual std::vector<PrinterInfo2> enumOnServer(const std::string& serverName) = 0;
    // EnumPrintersA level 2, PRINTER_ENUM_LOCAL (flag 2).
    virtual std::vector<PrinterInfo2> enumLocal() = 0;

    // OpenPrinterA with defaults {no data type, no device mode, desiredAccess};
    // nullptr when the printer cannot be opened.
    virtual std::unique_ptr<PrinterHandle> openPrinter(const std::string& printerName,
                                                       std::uint32_t desiredAccess) = 0;
    // Opened with PRINTER_ACCESS_USE and closed again at once.
    virtual bool testOpenForUse(const std::string& printerName);

    // SetLastError: the thread's error code, cleared before ClosePrinter.
    virtual void setLastError(std::uint32_t code) = 0;
};

// The spooler of this process: CUPS on Linux, winspool on Windows.
PrinterSystem& CurrentPrinterSystem();
// Tests install their own (kept by the caller); nullptr restores the real one.
void SetPrinterSystemForTesting(PrinterSystem* system);

}  // namespace platform
