#pragma once
// One connection to a CUPS scheduler.
#include <cups/cups.h>

#include <chrono>
#include <string>

namespace platform {

// Where a scheduler listens: a host and port, or the path of a unix socket.
struct CupsServer {
    std::string host;
    int port = IPP_PORT;

    // "HOST", "HOST:PORT", "[ADDRESS]:PORT" or a socket path.
    static CupsServer parse(const std::string& text);
    // The one cupsServer() names now, with CUPS_SERVER and the client configuration read afresh.
    static CupsServer current();

    bool operator==(const CupsServer&) const = default;
};

class CupsConnection {
public:
    // A scheduler that accepts the connection but never answers must not hang the program.
    static constexpr int kConnectTimeoutMs = 5000;
    static constexpr double kRequestTimeoutSeconds = 15.0;

    explicit CupsConnection(const CupsServer& server, int connectTimeoutMs = kConnectTimeoutMs);
    ~CupsConnection();
    CupsConnection(const CupsConnection&) = delete;
    CupsConnection& operator=(const CupsConnection&) = delete;

    http_t* http() const { return m_http; }
    explicit operator bool() const { return m_http != nullptr; }
    const CupsServer& server() const { return m_server; }
    // From now on every request gives up at this time instead of after the usual timeout.
    void giveUpAt(std::chrono::steady_clock::time_point deadline);
    // The scheduler closed its end (idle too long, or gone): nothing more can be sent.
    bool closedByServer() const;

private:
    static int KeepWaiting(http_t* http, void* connection);

    CupsServer m_server;
    http_t* m_http = nullptr;
    std::chrono::steady_clock::time_point m_deadline;
};

}  // namespace platform
