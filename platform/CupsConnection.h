#pragma once
// One connection to a CUPS scheduler.
#include <cups/cups.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Where a scheduler listens: a host and port, or the path of a unix socket.
struct CupsServer {
    std::string host;
    int port = IPP_PORT;

    // "HOST", "HOST:PORT", "[ADDRESS]:PORT", a bare IPv6 address or a socket path; nothing for a
    // text of another form (a blank, a port outside 1..65535, an unclosed bracket, ...).
    static std::optional<CupsServer> named(const std::string& text);
    // The same, where a text of another form is taken as a host name and fails on connecting.
    static CupsServer parse(const std::string& text);
    // The one cupsServer() names now, with CUPS_SERVER and the client configuration read afresh.
    static CupsServer current();

    // What the name leads to: each resolved address and port, or the socket file itself; two
    // names that share one are the same scheduler. Empty when the host name resolves to nothing.
    std::vector<std::string> endpoints() const;

    bool operator==(const CupsServer&) const = default;
};

// Why no connection to the scheduler can be made now, as an errno value: ENOENT no such socket or
// a host name that resolves to nothing, ECONNREFUSED nobody listens, ETIMEDOUT no connection
// within `timeoutMs`; 0 when one can be made after all.
// (CUPS itself says "Host is down" for all of them.)
int ConnectError(const CupsServer& server, int timeoutMs);

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
    // cupsDoRequest (it takes the request) and cupsGetResponse on this connection. With a time to
    // give up at, the wait for an answer to begin looks at the clock and the flag often, and the
    // answer, once begun, has the time left to come in full; nothing when it gave up.
    ipp_t* exchange(ipp_t* request, const std::string& resource);
    ipp_t* response(const std::string& resource);
    // The scheduler closed its end (idle too long, or gone): nothing more can be sent.
    bool closedByServer() const;
    // From now on a request waiting for its answer gives up as soon as the flag is set.
    void abandonWhen(const std::atomic<bool>* flag) { m_abandon = flag; }
    // A request gave up waiting for the scheduler's answer since this connection was made.
    bool gaveUp() const { return m_gaveUp; }

private:
    static int KeepWaiting(http_t* http, void* connection);
    // Until the scheduler begins its answer; false when the time ran out or the flag was set.
    bool awaitAnswer();

    CupsServer m_server;
    http_t* m_http = nullptr;
    std::optional<std::chrono::steady_clock::time_point> m_deadline;
    const std::atomic<bool>* m_abandon = nullptr;
    bool m_gaveUp = false;
};

}  // namespace platform
