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
    m_cut = false;
}

void FreezingRelay::cutAt(const char* kind, int count) {
    freezeAt(kind, count, {});
    std::lock_guard lock(m_mutex);
    m_cut = true;
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

bool FreezingRelay::count(const std::string& text, std::size_t limit) {
    m_requests += Occurrences(text, kAnyRequest, limit);
    std::function<void()> freeze;
    {
        std::lock_guard lock(m_mutex);
        if (m_count == 0 || m_frozen)
            return false;
        m_seen += Occurrences(text, m_kind, limit);
        if (m_seen < m_count)
            return false;
        m_frozen = true;
        if (m_cut)
            return true;
        freeze = m_freeze;
    }
    freeze();
    return false;
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
            if (count(text, text.size() - keep)) {
                shutdown(from, SHUT_RDWR);
                shutdown(to, SHUT_RDWR);
                return;
            }
            tail = text.substr(text.size() - keep);
        }
        const std::size_t size = static_cast<std::size_t>(got);
        if (!(counted ? WriteAll(to, bytes, size) : answer(to, bytes, size)))
            return;
    }
    shutdown(to, SHUT_WR);
}

bool FreezingRelay::answer(int to, const char* bytes, std::size_t size) const {
    // What follows the end of each header waits.
    const std::string_view text(bytes, size);
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
