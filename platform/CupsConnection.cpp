#include "platform/CupsConnection.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>

namespace platform {

namespace {
// With a deadline, how often a request that waits looks at the clock.
constexpr double kDeadlineTickSeconds = 0.1;

bool ParsePort(const std::string& text, int& port) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1 || value > 65535) {
        return false;
    }
    port = value;
    return true;
}
}  // namespace

std::optional<CupsServer> CupsServer::named(const std::string& text) {
    if (!text.empty() && text.front() == '/') {
        return CupsServer{text};
    }
    const auto hasAny = [](std::string_view part, std::string_view chars) {
        return part.find_first_of(chars) != std::string_view::npos;
    };
    const auto only = [](std::string_view part, auto allowed) {
        return std::all_of(part.begin(), part.end(),
                           [&](char c) { return allowed(static_cast<unsigned char>(c)); });
    };
    CupsServer server;
    if (text.empty() || hasAny(text, " \t\n\r\v\f")) {
        return std::nullopt;
    }
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        const std::string_view address = std::string_view(text).substr(1, close - 1);
        if (close == std::string::npos || address.empty() || !only(address, [](unsigned char c) {
                return std::isalnum(c) || c == ':' || c == '.' || c == '%' || c == '_';
            })) {
            return std::nullopt;
        }
        server.host = address;
        const bool port = close + 1 < text.size();
        if (port && (text[close + 1] != ':' || !ParsePort(text.substr(close + 2), server.port))) {
            return std::nullopt;
        }
        return server;
    }
    const std::size_t colons = static_cast<std::size_t>(std::count(text.begin(), text.end(), ':'));
    // More than one colon is a bare IPv6 address without a port.
    if (colons > 1) {
        if (colons > 7 || !only(text, [](unsigned char c) { return std::isxdigit(c) || c == ':'; })) {
            return std::nullopt;
        }
        server.host = text;
        return server;
    }
    const std::size_t colon = text.find(':');
    server.host = text.substr(0, colon);
    if (server.host.empty() || hasAny(server.host, "/[]") ||
        (colon != std::string::npos && !ParsePort(text.substr(colon + 1), server.port))) {
        return std::nullopt;
    }
    return server;
}

CupsServer CupsServer::parse(const std::string& text) {
    return named(text).value_or(CupsServer{text});
}

std::vector<std::string> CupsServer::endpoints() const {
    if (!host.empty() && host.front() == '/') {
        struct stat status {};
        if (stat(host.c_str(), &status) != 0) {
            return {host};
        }
        return {"socket " + std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino)};
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return {};
    }
    std::vector<std::string> endpoints;
    for (addrinfo* address = found; address; address = address->ai_next) {
        char numeric[NI_MAXHOST] = "", service[NI_MAXSERV] = "";
        if (getnameinfo(address->ai_addr, address->ai_addrlen, numeric, sizeof numeric, service,
                        sizeof service, NI_NUMERICHOST | NI_NUMERICSERV) == 0) {
            endpoints.push_back(std::string(numeric) + " " + service);
        }
    }
    freeaddrinfo(found);
    return endpoints;
}

namespace {
// A connect() on a socket of its own: 0, or the errno it ended with.
int TryConnect(int family, const sockaddr* address, socklen_t length, int timeoutMs) {
    const int fd = socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return errno;
    }
    int error = connect(fd, address, length) == 0 ? 0 : errno;
    if (error == EINPROGRESS) {
        pollfd descriptor{fd, POLLOUT, 0};
        socklen_t size = sizeof error;
        if (poll(&descriptor, 1, timeoutMs) <= 0) {
            error = ETIMEDOUT;
        } else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
            error = errno;
        }
    }
    close(fd);
    return error;
}
}  // namespace

int ConnectError(const CupsServer& server, int timeoutMs) {
    if (!server.host.empty() && server.host.front() == '/') {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (server.host.size() >= sizeof address.sun_path) {
            return ENAMETOOLONG;
        }
        std::memcpy(address.sun_path, server.host.c_str(), server.host.size() + 1);
        return TryConnect(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), sizeof address, timeoutMs);
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(server.host.c_str(), std::to_string(server.port).c_str(), &hints, &found) != 0) {
        return ENOENT;
    }
    int error = EHOSTUNREACH;
    for (addrinfo* address = found; address && error != 0; address = address->ai_next) {
        const int tried = TryConnect(address->ai_family, address->ai_addr, address->ai_addrlen, timeoutMs);
        // "refused" beats "no route" from an address family the scheduler does not listen on.
        if (error != ECONNREFUSED || tried == 0) {
            error = tried;
        }
    }
    freeaddrinfo(found);
    return error;
}

CupsServer CupsServer::current() {
    cupsSetServer(nullptr);
    return {cupsServer(), ippPort()};
}

CupsConnection::CupsConnection(const CupsServer& server, int connectTimeoutMs) : m_server(server) {
    m_http = httpConnect2(m_server.host.c_str(), m_server.port, nullptr, AF_UNSPEC, cupsEncryption(), 1,
                          connectTimeoutMs, nullptr);
    if (m_http) {
        httpSetTimeout(m_http, kRequestTimeoutSeconds, nullptr, nullptr);
    }
}

void CupsConnection::giveUpAt(std::chrono::steady_clock::time_point deadline) {
    m_deadline = deadline;
    if (m_http) {
        httpSetTimeout(m_http, kDeadlineTickSeconds, &CupsConnection::KeepWaiting, this);
    }
}

int CupsConnection::KeepWaiting(http_t*, void* data) {
    auto* connection = static_cast<CupsConnection*>(data);
    const bool abandoned = connection->m_abandon && connection->m_abandon->load();
    if (abandoned || std::chrono::steady_clock::now() >= connection->m_deadline) {
        connection->m_gaveUp = true;
        return 0;
    }
    return 1;
}

CupsConnection::~CupsConnection() {
    if (m_http) {
        httpClose(m_http);
    }
}

bool CupsConnection::closedByServer() const {
    if (!m_http) {
        return true;
    }
    // Between requests the scheduler sends nothing; anything readable is its end of the stream.
    pollfd descriptor{httpGetFd(m_http), POLLIN, 0};
    return poll(&descriptor, 1, 0) != 0;
}

}  // namespace platform
