#include "tests/integration/FreezingRelay.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <cstring>
#include <string_view>

namespace testing_support {

namespace {

sockaddr_un Address(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(),
                std::min<std::size_t>(bytes.size(), sizeof address.sun_path - 1));
    return address;
}

// How often `needle` starts in `text` before `limit`.
int Occurrences(const std::string& text, const std::string& needle, std::size_t limit) {
    int found = 0;
    for (std::size_t at = text.find(needle); at < limit; at = text.find(needle, at + 1))
        ++found;
    return found;
}

constexpr const char* kHeaderEnd = "\r\n\r\n";

// Where the first status line of an answer that is not "100 Continue" starts; npos for none.
std::size_t FinalStatusLine(std::string_view text) {
    static constexpr std::string_view kStatus = "HTTP/1.1 ";
    for (std::size_t at = text.find(kStatus); at != std::string_view::npos; at = text.find(kStatus, at + 1)) {
        if (text.substr(at + kStatus.size(), 3) != "100")
            return at;
    }
    return std::string_view::npos;
}

bool WriteAll(int fd, const char* bytes, std::size_t size) {
    for (std::size_t sent = 0; sent < size;) {
        const ssize_t n = write(fd, bytes + sent, size - sent);
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FreezingRelay::FreezingRelay(const QString& scheduler, const QString& path)
    : m_scheduler(scheduler), m_path(path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = Address(path);
    if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        listen(fd, 64) == 0) {
        m_listenFd = fd;
        m_acceptor = std::thread([this] { accept(); });
    } else if (fd >= 0) {
        close(fd);
    }
}

FreezingRelay::~FreezingRelay() {
    if (m_listenFd >= 0) {
        shutdown(m_listenFd, SHUT_RDWR);
        m_acceptor.join();
        close(m_listenFd);
    }
    {
        std::lock_guard lock(m_mutex);
        for (const int fd : m_fds)
            shutdown(fd, SHUT_RDWR);
    }
    for (std::thread& pump : m_pumps)
        pump.join();
    for (const int fd : m_fds)
        close(fd);
    unlink(QFile::encodeName(m_path).constData());
}

void FreezingRelay::freezeAt(const char* kind, int count, std::function<void()> freeze) {
    std::lock_guard lock(m_mutex);
    m_kind = kind;
    m_count = count;
    m_seen = 0;
    m_freeze = std::move(freeze);
    m_cut = Cut::None;
}

void FreezingRelay::cutAt(const char* kind, int count) {
    freezeAt(kind, count, {});
    std::lock_guard lock(m_mutex);
    m_cut = Cut::Request;
}

void FreezingRelay::cutAnswerAt(const char* kind, int count) {
    freezeAt(kind, count, {});
    std::lock_guard lock(m_mutex);
    m_cut = Cut::Answer;
}

void FreezingRelay::accept() {
    for (;;) {
        const int client = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        const int server = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_un address = Address(m_scheduler);
        if (server < 0 || connect(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            close(client);
            if (server >= 0)
                close(server);
            continue;
        }
        std::lock_guard lock(m_mutex);
        m_fds.insert(m_fds.end(), {client, server});
        m_pumps.emplace_back([this, client, server] { pass(client, server, true); });
        m_pumps.emplace_back([this, client, server] { pass(server, client, false); });
    }
}

FreezingRelay::Cut FreezingRelay::count(const std::string& text, std::size_t limit) {
    m_requests += Occurrences(text, kAnyRequest, limit);
    std::function<void()> freeze;
    {
        std::lock_guard lock(m_mutex);
        if (m_count == 0 || m_frozen)
            return Cut::None;
        m_seen += Occurrences(text, m_kind, limit);
        if (m_seen < m_count)
            return Cut::None;
        m_frozen = true;
        if (m_cut != Cut::None)
            return m_cut;
        freeze = m_freeze;
    }
    freeze();
    return Cut::None;
}

void FreezingRelay::pass(int from, int to, bool counted) {
    char bytes[16384];
    // The last bytes are looked at again with the next read: a request line cut between two
    // reads is counted once, when it is whole.
    std::string tail;
    for (;;) {
        const ssize_t got = read(from, bytes, sizeof bytes);
        if (got <= 0)
            break;
        if (counted) {
            const std::string text = tail + std::string(bytes, static_cast<std::size_t>(got));
            const std::size_t keep = std::min<std::size_t>(text.size(), std::strlen(kJobRequest) - 1);
            const Cut cut = count(text, text.size() - keep);
            if (cut == Cut::Request) {
                shutdown(from, SHUT_RDWR);
                shutdown(to, SHUT_RDWR);
                return;
            }
            if (cut == Cut::Answer) {
                std::lock_guard lock(m_mutex);
                m_answersToCut.push_back(to);
            }
            tail = text.substr(text.size() - keep);
        }
        const std::size_t size = static_cast<std::size_t>(got);
        if (!(counted ? WriteAll(to, bytes, size) : answer(from, to, bytes, size)))
            return;
    }
    shutdown(to, SHUT_WR);
}

bool FreezingRelay::answer(int scheduler, int to, const char* bytes, std::size_t size) {
    const std::string_view text(bytes, size);
    if (const std::size_t final = FinalStatusLine(text); final != std::string_view::npos) {
        std::lock_guard lock(m_mutex);
        if (std::erase(m_answersToCut, scheduler) > 0) {
            // What came before it ("100 Continue") may pass.
            WriteAll(to, bytes, final);
            shutdown(scheduler, SHUT_RDWR);
            shutdown(to, SHUT_RDWR);
            return false;
        }
    }
    // What follows the end of each header waits.
    std::size_t from = 0;
    for (std::size_t end = text.find(kHeaderEnd); m_pause.load().count() > 0 && end != std::string_view::npos;
         end = text.find(kHeaderEnd, end + 1)) {
        const std::size_t through = end + std::strlen(kHeaderEnd);
        if (!WriteAll(to, bytes + from, through - from))
            return false;
        std::this_thread::sleep_for(m_pause.load());
        from = through;
    }
    return WriteAll(to, bytes + from, size - from);
}

}  // namespace testing_support
