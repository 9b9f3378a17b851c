#include "platform/CupsConnection.h"

#include <poll.h>

#include <charconv>

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

CupsServer CupsServer::parse(const std::string& text) {
    CupsServer server{text};
    if (text.empty() || text.front() == '/') {
        return server;
    }
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string::npos) {
            server.host = text.substr(1, close - 1);
            if (close + 1 < text.size() && text[close + 1] == ':') {
                ParsePort(text.substr(close + 2), server.port);
            }
        }
        return server;
    }
    // More than one colon is a bare IPv6 address without a port.
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos && text.find(':', colon + 1) == std::string::npos &&
        ParsePort(text.substr(colon + 1), server.port)) {
        server.host = text.substr(0, colon);
    }
    return server;
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

int CupsConnection::KeepWaiting(http_t*, void* connection) {
    return std::chrono::steady_clock::now() < static_cast<CupsConnection*>(connection)->m_deadline;
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
