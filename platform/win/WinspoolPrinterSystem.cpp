#ifdef _WIN32
// Our header first: its constant names are macros in <windows.h>.
#include "platform/win/WinspoolPrinterSystem.h"

#include <windows.h>
#include <winspool.h>

namespace platform {

namespace {

std::string Convert(const char* text, UINT from, UINT to) {
    if (!text || !*text) {
        return {};
    }
    const int wideLength = MultiByteToWideChar(from, 0, text, -1, nullptr, 0);
    if (wideLength <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(from, 0, text, -1, wide.data(), wideLength);
    const int length = WideCharToMultiByte(to, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(to, 0, wide.c_str(), -1, result.data(), length, nullptr, nullptr);
    result.resize(static_cast<std::size_t>(length) - 1);  // drop the terminator
    return result;
}

std::string FromAnsi(const char* text) {
    return Convert(text, CP_ACP, CP_UTF8);
}
std::string ToAnsi(const std::string& text) {
    return Convert(text.c_str(), CP_UTF8, CP_ACP);
}

// A zero-filled block of the process heap, freed on scope exit.
class HeapBlock {
public:
    explicit HeapBlock(DWORD size)
        : m_data(size ? HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size) : nullptr) {}
    ~HeapBlock() {
        if (m_data) {
            HeapFree(GetProcessHeap(), 0, m_data);
        }
    }
    HeapBlock(const HeapBlock&) = delete;
    HeapBlock& operator=(const HeapBlock&) = delete;
    LPBYTE data() const { return static_cast<LPBYTE>(m_data); }

private:
    void* m_data;
};

// EnumPrintersA twice: once to learn the size, once into a buffer of that size.
template <typename Info, typename ToRecord>
auto Enumerate(DWORD flags, const std::string& name, DWORD level, ToRecord convert) {
    std::vector<decltype(convert(std::declval<const Info&>()))> records;
    std::string ansiName = ToAnsi(name);
    LPSTR namePointer = name.empty() ? nullptr : ansiName.data();
    DWORD needed = 0;
    DWORD returned = 0;
    EnumPrintersA(flags, namePointer, level, nullptr, 0, &needed, &returned);
    if (needed == 0) {
        return records;
    }
    HeapBlock buffer(needed);
    if (!buffer.data() ||
        !EnumPrintersA(flags, namePointer, level, buffer.data(), needed, &needed, &returned)) {
        return records;
    }
    const Info* infos = reinterpret_cast<const Info*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) {
        records.push_back(convert(infos[i]));
    }
    return records;
}

PrinterInfo2 FromInfo2(const PRINTER_INFO_2A& info) {
    return {FromAnsi(info.pPrinterName),
            FromAnsi(info.pServerName),
            FromAnsi(info.pPortName),
            FromAnsi(info.pDriverName),
            info.Status,
            info.Attributes};
}

PrinterInfo4 FromInfo4(const PRINTER_INFO_4A& info) {
    return {FromAnsi(info.pPrinterName), FromAnsi(info.pServerName), info.Attributes};
}

class WinspoolPrinterHandle : public PrinterHandle {
public:
    explicit WinspoolPrinterHandle(HANDLE handle) : m_handle(handle) {}
    ~WinspoolPrinterHandle() override {
        if (m_handle) {
            if (m_inDocument) {
                AbortPrinter(m_handle);
            }
            ClosePrinter(m_handle);
        }
    }

    std::optional<std::uint32_t> getPrinterStatus() override {
        if (!m_handle) {
            return std::nullopt;
        }
        DWORD needed = 0;
        GetPrinterA(m_handle, 2, nullptr, 0, &needed);
        if (needed < sizeof(PRINTER_INFO_2A)) {
            return std::nullopt;
        }
        HeapBlock buffer(needed);
        if (!buffer.data() || !GetPrinterA(m_handle, 2, buffer.data(), needed, &needed)) {
            return std::nullopt;
        }
        return reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data())->Status;
    }

    bool startDocPrinter(const std::string& docName) override {
        if (!m_handle) {
            return false;
        }
        std::string ansiName = ToAnsi(docName);
        DOC_INFO_1A info{ansiName.data(), nullptr, nullptr};
        m_inDocument = StartDocPrinterA(m_handle, 1, reinterpret_cast<LPBYTE>(&info)) != 0;
        return m_inDocument;
    }

    bool resetPrinter() override { return m_handle && ResetPrinterA(m_handle, nullptr); }

    WriteResult writePrinter(std::span<const std::uint8_t> bytes) override {
        if (!m_handle) {
            return {};
        }
        DWORD written = 0;
        const BOOL ok = WritePrinter(m_handle, const_cast<std::uint8_t*>(bytes.data()),
                                     static_cast<DWORD>(bytes.size()), &written);
        return {ok != FALSE, written};
    }

    bool endDocPrinter() override {
        if (!m_handle) {
            return false;
        }
        m_inDocument = false;
        return EndDocPrinter(m_handle) != FALSE;
    }

    bool closePrinter() override {
        if (!m_handle) {
            return false;
        }
        const BOOL ok = ClosePrinter(m_handle);
        m_handle = nullptr;
        m_inDocument = false;
        return ok != FALSE;
    }

private:
    HANDLE m_handle;
    bool m_inDocument = false;
};

}  // namespace

std::vector<PrinterInfo4> WinspoolPrinterSystem::enumLocalAndConnections() {
    return Enumerate<PRINTER_INFO_4A>(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, {}, 4, FromInfo4);
}

std::vector<PrinterInfo2> WinspoolPrinterSystem::enumOnServer(const std::string& serverName) {
    return Enumerate<PRINTER_INFO_2A>(PRINTER_ENUM_NAME, serverName, 2, FromInfo2);
}

std::vector<PrinterInfo2> WinspoolPrinterSystem::enumLocal() {
    return Enumerate<PRINTER_INFO_2A>(PRINTER_ENUM_LOCAL, {}, 2, FromInfo2);
}

std::unique_ptr<PrinterHandle> WinspoolPrinterSystem::openPrinter(const std::string& printerName,
                                                                  std::uint32_t desiredAccess) {
    std::string ansiName = ToAnsi(printerName);
    PRINTER_DEFAULTSA defaults{nullptr, nullptr, desiredAccess};
    HANDLE handle = nullptr;
    if (!OpenPrinterA(ansiName.data(), &handle, &defaults) || !handle) {
        return nullptr;
    }
    return std::make_unique<WinspoolPrinterHandle>(handle);
}

void WinspoolPrinterSystem::setLastError(std::uint32_t code) {
    SetLastError(code);
}

}  // namespace platform
#endif
