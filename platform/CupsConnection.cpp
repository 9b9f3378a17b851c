#include "platform/CupsConnection.h"

#include <utility>

namespace platform {

namespace {
// A scheduler that accepts the connection but never answers must not hang the program.
constexpr int kConnectTimeoutMs = 5000;
constexpr double kRequestTimeoutSeconds = 15.0;
}  // namespace

CupsConnection CupsConnection::toCurrentServer() {
    cupsSetServer(nullptr);
    return CupsConnection(cupsServer(), ippPort());
}

CupsConnection::CupsConnection(const std::string& server, int port) : m_server(server), m_port(port) {
    m_http = httpConnect2(m_server.c_str(), m_port, nullptr, AF_UNSPEC, cupsEncryption(), 1,
                          kConnectTimeoutMs, nullptr);
    if (m_http) {
        httpSetTimeout(m_http, kRequestTimeoutSeconds, nullptr, nullptr);
    }
}

CupsConnection::~CupsConnection() {
    if (m_http) {
        httpClose(m_http);
    }
}

CupsConnection::CupsConnection(CupsConnection&& other) noexcept
    : m_server(std::move(other.m_server)),
      m_port(other.m_port),
      m_http(std::exchange(other.m_http, nullptr)) {}

CupsConnection& CupsConnection::operator=(CupsConnection&& other) noexcept {
    if (this != &other) {
        if (m_http) {
            httpClose(m_http);
        }
        m_server = std::move(other.m_server);
        m_port = other.m_port;
        m_http = std::exchange(other.m_http, nullptr);
    }
    return *this;
}

}  // namespace platform
