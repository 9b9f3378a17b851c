#pragma once
// A spooler described in code, for tests: printers with chosen records and injected
// failures; every call is recorded in order and every finished document is kept.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/PrinterSystem.h"

namespace platform {

// Every member has an initializer, so a test names only the fields it cares about.
struct InMemoryPrinter {
    std::string name{};
    std::string server{};  // empty: a printer of this machine
    std::string port{};
    std::string driver{};
    std::uint32_t status = 0;
    std::uint32_t attributes = PRINTER_ATTRIBUTE_LOCAL;
    bool inShortEnumeration = true;  // listed by the level-4 enumeration

    bool failOpen = false;
    bool failGetPrinter = false;
    bool failStartDoc = false;
    bool failWrite = false;
    bool failEndDoc = false;
    std::optional<std::uint32_t> shortWrite{};  // a write succeeds but reports this count
};

struct ReceivedDocument {
    std::string printerName;
    std::string docName;
    std::vector<std::uint8_t> bytes;
};

// Handles refer to the system that opened them and must not outlive it.
class InMemoryPrinterSystem : public PrinterSystem {
public:
    InMemoryPrinterSystem() = default;
    explicit InMemoryPrinterSystem(std::vector<InMemoryPrinter> printers);

    void addPrinter(InMemoryPrinter printer);
    void removePrinter(const std::string& name);
    // The printer described under this name (the first one); nullptr if none.
    InMemoryPrinter* printer(const std::string& name);
    void setEnumerationFails(bool fails) { m_enumerationFails = fails; }

    // Calls as text, e.g. "OpenPrinter(Quill, 8)", "WritePrinter(190)", "ClosePrinter".
    const std::vector<std::string>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    // Documents ended successfully, in order.
    const std::vector<ReceivedDocument>& documents() const { return m_documents; }
    // Handles opened and not closed with closePrinter(), dropped ones included.
    int handlesNotClosed() const { return m_handlesNotClosed; }

    std::vector<PrinterInfo4> enumLocalAndConnections() override;
    std::vector<PrinterInfo2> enumOnServer(const std::string& serverName) override;
    std::vector<PrinterInfo2> enumLocal() override;
    std::unique_ptr<PrinterHandle> openPrinter(const std::string& printerName,
                                               std::uint32_t desiredAccess) override;
    void setLastError(std::uint32_t code) override;

private:
    class Handle;
    friend class Handle;

    void record(std::string call) { m_calls.push_back(std::move(call)); }
    static PrinterInfo2 detailed(const InMemoryPrinter& printer);

    std::vector<InMemoryPrinter> m_printers;
    std::vector<std::string> m_calls;
    std::vector<ReceivedDocument> m_documents;
    bool m_enumerationFails = false;
    int m_handlesNotClosed = 0;
};

}  // namespace platform
