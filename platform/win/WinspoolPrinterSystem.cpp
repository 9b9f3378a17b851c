#ifdef _WIN32
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

// The system's words for the calling thread's last error.
std::string LastErrorText() {
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string message = length ? FromAnsi(text) : "error " + std::to_string(code);
    if (text) {
        LocalFree(text);
    }
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
        message.pop_back();
    }
    return message;
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

// OpenPrinterA with {no data type, no device mode, PRINTER_ACCESS_USE}; closed on scope exit.
class OpenedPrinter {
public:
    explicit OpenedPrinter(const std::string& name) {
        std::string ansiName = ToAnsi(name);
        PRINTER_DEFAULTSA defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
        if (!OpenPrinterA(ansiName.data(), &m_handle, &defaults)) {
            m_handle = nullptr;
        }
    }
    ~OpenedPrinter() {
        if (m_handle) {
            ClosePrinter(m_handle);
        }
    }
    OpenedPrinter(const OpenedPrinter&) = delete;
    OpenedPrinter& operator=(const OpenedPrinter&) = delete;
    HANDLE handle() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};

struct StatusWord {
    DWORD bit;
    const char* word;
};

constexpr StatusWord kPrinterStatus[] = {
    {PRINTER_STATUS_PAUSED, "paused"},
    {PRINTER_STATUS_ERROR, "error"},
    {PRINTER_STATUS_PENDING_DELETION, "pending deletion"},
    {PRINTER_STATUS_PAPER_JAM, "paper jam"},
    {PRINTER_STATUS_PAPER_OUT, "paper out"},
    {PRINTER_STATUS_MANUAL_FEED, "manual feed"},
    {PRINTER_STATUS_PAPER_PROBLEM, "paper problem"},
    {PRINTER_STATUS_OFFLINE, "offline"},
    {PRINTER_STATUS_OUTPUT_BIN_FULL, "output bin full"},
    {PRINTER_STATUS_NOT_AVAILABLE, "not available"},
    {PRINTER_STATUS_NO_TONER, "no toner"},
    {PRINTER_STATUS_USER_INTERVENTION, "user intervention"},
    {PRINTER_STATUS_DOOR_OPEN, "door open"},
    {PRINTER_STATUS_SERVER_UNKNOWN, "server unknown"},
};

constexpr StatusWord kJobStatus[] = {
    {JOB_STATUS_PAUSED, "paused"},        {JOB_STATUS_ERROR, "error"},
    {JOB_STATUS_OFFLINE, "offline"},      {JOB_STATUS_PAPEROUT, "paper out"},
    {JOB_STATUS_BLOCKED_DEVQ, "blocked"}, {JOB_STATUS_USER_INTERVENTION, "user intervention"},
    {JOB_STATUS_RESTART, "restart"},
};

template <std::size_t N>
std::string Words(DWORD status, const StatusWord (&table)[N]) {
    std::string text;
    for (const StatusWord& entry : table) {
        if (status & entry.bit) {
            text += (text.empty() ? "" : ", ") + std::string(entry.word);
        }
    }
    return text;
}

PrinterQueue FromInfo2(const PRINTER_INFO_2A& info) {
    PrinterQueue queue;
    queue.name = FromAnsi(info.pPrinterName);
    queue.server = FromAnsi(info.pServerName);
    queue.device = FromAnsi(info.pPortName);
    queue.makeAndModel = FromAnsi(info.pDriverName);
    if (info.Status & PRINTER_STATUS_PAUSED) {
        queue.state = QueueState::Stopped;
    } else if (info.Status & (PRINTER_STATUS_PRINTING | PRINTER_STATUS_PROCESSING | PRINTER_STATUS_BUSY)) {
        queue.state = QueueState::Processing;
    }
    queue.acceptingJobs = OpenedPrinter(queue.name).handle() != nullptr;
    queue.stateReason = Words(info.Status, kPrinterStatus);
    return queue;
}

JobState StateOf(DWORD status) {
    if (status & (JOB_STATUS_DELETING | JOB_STATUS_DELETED)) {
        return JobState::Canceled;
    }
    if (status & (JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE)) {
        return JobState::Completed;
    }
    if (status & JOB_STATUS_BLOCKED_DEVQ) {
        return JobState::Aborted;
    }
    if (status & JOB_STATUS_PAUSED) {
        return JobState::Held;
    }
    if (status & (JOB_STATUS_PRINTING | JOB_STATUS_SPOOLING)) {
        return JobState::Processing;
    }
    return JobState::Pending;
}

}  // namespace

std::optional<std::vector<PrinterQueue>> WinspoolPrinterSystem::queues() {
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD returned = 0;
    if (EnumPrintersA(flags, nullptr, 2, nullptr, 0, &needed, &returned)) {
        return std::vector<PrinterQueue>{};  // nothing to list
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return std::nullopt;
    }
    HeapBlock buffer(needed);
    if (!buffer.data() || !EnumPrintersA(flags, nullptr, 2, buffer.data(), needed, &needed, &returned)) {
        return std::nullopt;
    }
    std::vector<PrinterQueue> queues;
    const auto* infos = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) {
        queues.push_back(FromInfo2(infos[i]));
    }
    return queues;
}

JobSubmission WinspoolPrinterSystem::sendRawJob(const std::string& queue, const std::string& title,
                                                std::span<const std::uint8_t> document,
                                                const JobRecord& /*record*/) {
    // The Windows spooler forgets a job once it has printed: there is no history to hold a record.
    OpenedPrinter printer(queue);
    if (!printer.handle()) {
        return {0, LastErrorText()};
    }
    std::string ansiTitle = ToAnsi(title);
    DOC_INFO_1A info{ansiTitle.data(), nullptr, nullptr};
    const DWORD jobId = StartDocPrinterA(printer.handle(), 1, reinterpret_cast<LPBYTE>(&info));
    if (jobId == 0) {
        return {0, LastErrorText()};
    }
    DWORD written = 0;
    const BOOL ok = WritePrinter(printer.handle(), const_cast<std::uint8_t*>(document.data()),
                                 static_cast<DWORD>(document.size()), &written);
    if (!ok || written != document.size()) {
        // Part of a printer command is worse than none.
        std::string failure = ok ? "the spooler took " + std::to_string(written) + " of " +
                                       std::to_string(document.size()) + " bytes"
                                 : LastErrorText();
        AbortPrinter(printer.handle());
        return {0, failure};
    }
    if (!EndDocPrinter(printer.handle())) {
        std::string failure = LastErrorText();
        AbortPrinter(printer.handle());
        return {0, failure};
    }
    return {static_cast<int>(jobId), {}};
}

JobStatus WinspoolPrinterSystem::jobStatus(const std::string& queue, int jobId) {
    OpenedPrinter printer(queue);
    if (!printer.handle()) {
        return {JobState::Unknown, LastErrorText()};
    }
    const DWORD id = static_cast<DWORD>(jobId);
    DWORD needed = 0;
    GetJobA(printer.handle(), id, 1, nullptr, 0, &needed);
    if (needed < sizeof(JOB_INFO_1A)) {
        // A printed job leaves the queue unless the printer keeps printed documents.
        const bool gone = GetLastError() == ERROR_INVALID_PARAMETER;
        return {gone ? JobState::NotFound : JobState::Unknown, LastErrorText()};
    }
    HeapBlock buffer(needed);
    if (!buffer.data() || !GetJobA(printer.handle(), id, 1, buffer.data(), needed, &needed)) {
        return {JobState::Unknown, LastErrorText()};
    }
    const auto* job = reinterpret_cast<const JOB_INFO_1A*>(buffer.data());
    std::string reason = FromAnsi(job->pStatus);
    if (reason.empty()) {
        reason = Words(job->Status, kJobStatus);
    }
    return {StateOf(job->Status), reason};
}

}  // namespace platform
#endif
