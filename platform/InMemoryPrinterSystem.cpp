#include "platform/InMemoryPrinterSystem.h"

#include <algorithm>

namespace platform {

class InMemoryPrinterSystem::Handle : public PrinterHandle {
public:
    Handle(InMemoryPrinterSystem& system, std::string name) : m_system(system), m_name(std::move(name)) {}

    std::optional<std::uint32_t> getPrinterStatus() override {
        m_system.record("GetPrinter(2)");
        const InMemoryPrinter* printer = usable();
        if (!printer || printer->failGetPrinter) {
            return std::nullopt;
        }
        return printer->status;
    }

    bool startDocPrinter(const std::string& docName) override {
        m_system.record("StartDocPrinter(1, " + docName + ")");
        const InMemoryPrinter* printer = usable();
        if (!printer || printer->failStartDoc || m_document) {
            return false;
        }
        m_document = ReceivedDocument{m_name, docName, {}};
        return true;
    }

    bool resetPrinter() override {
        m_system.record("ResetPrinter(NULL)");
        return usable() != nullptr;
    }

    WriteResult writePrinter(std::span<const std::uint8_t> bytes) override {
        m_system.record("WritePrinter(" + std::to_string(bytes.size()) + ")");
        const InMemoryPrinter* printer = usable();
        if (!printer || !m_document || printer->failWrite) {
            return {};
        }
        const std::size_t count =
            std::min<std::size_t>(bytes.size(), printer->shortWrite.value_or(bytes.size()));
        m_document->bytes.insert(m_document->bytes.end(), bytes.begin(), bytes.begin() + count);
        return {true, static_cast<std::uint32_t>(count)};
    }

    bool endDocPrinter() override {
        m_system.record("EndDocPrinter");
        const InMemoryPrinter* printer = usable();
        std::optional<ReceivedDocument> document = std::move(m_document);
        m_document.reset();
        if (!printer || !document || printer->failEndDoc) {
            return false;
        }
        m_system.m_documents.push_back(std::move(*document));
        return true;
    }

    bool closePrinter() override {
        m_system.record("ClosePrinter");
        if (m_closed) {
            return false;
        }
        m_closed = true;
        m_document.reset();
        --m_system.m_handlesNotClosed;
        return true;
    }

private:
    // The printer while this handle is open and the printer still exists.
    const InMemoryPrinter* usable() { return m_closed ? nullptr : m_system.printer(m_name); }

    InMemoryPrinterSystem& m_system;
    std::string m_name;
    std::optional<ReceivedDocument> m_document;
    bool m_closed = false;
};

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

PrinterInfo2 InMemoryPrinterSystem::detailed(const InMemoryPrinter& printer) {
    return {printer.name, printer.server, printer.port, printer.driver, printer.status, printer.attributes};
}

std::vector<PrinterInfo4> InMemoryPrinterSystem::enumLocalAndConnections() {
    record("EnumPrinters(4, 6)");
    std::vector<PrinterInfo4> records;
    if (m_enumerationFails) {
        return records;
    }
    for (const InMemoryPrinter& printer : m_printers) {
        if (printer.inShortEnumeration) {
            records.push_back({printer.name, printer.server, printer.attributes});
        }
    }
    return records;
}

std::vector<PrinterInfo2> InMemoryPrinterSystem::enumOnServer(const std::string& serverName) {
    record("EnumPrinters(2, 8, " + serverName + ")");
    std::vector<PrinterInfo2> records;
    if (m_enumerationFails) {
        return records;
    }
    for (const InMemoryPrinter& printer : m_printers) {
        if (printer.server == serverName) {
            records.push_back(detailed(printer));
        }
    }
    return records;
}

std::vector<PrinterInfo2> InMemoryPrinterSystem::enumLocal() {
    record("EnumPrinters(2, 2)");
    std::vector<PrinterInfo2> records;
    if (m_enumerationFails) {
        return records;
    }
    for (const InMemoryPrinter& printer : m_printers) {
        records.push_back(detailed(printer));
    }
    return records;
}

std::unique_ptr<PrinterHandle> InMemoryPrinterSystem::openPrinter(const std::string& printerName,
                                                                  std::uint32_t desiredAccess) {
    record("OpenPrinter(" + printerName + ", " + std::to_string(desiredAccess) + ")");
    const InMemoryPrinter* found = printer(printerName);
    if (!found || found->failOpen) {
        return nullptr;
    }
    ++m_handlesNotClosed;
    return std::make_unique<Handle>(*this, printerName);
}

void InMemoryPrinterSystem::setLastError(std::uint32_t code) {
    record("SetLastError(" + std::to_string(code) + ")");
}

}  // namespace platform
