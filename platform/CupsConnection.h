#pragma once
// One connection to the scheduler cupsServer() names at the time of opening.
#include <cups/cups.h>

#include <string>

namespace platform {

class CupsConnection {
public:
    // Reads CUPS_SERVER (and the client configuration) afresh, then connects.
    static CupsConnection toCurrentServer();
    explicit CupsConnection(const std::string& server, int port);
    ~CupsConnection();
    CupsConnection(CupsConnection&& other) noexcept;
    CupsConnection& operator=(CupsConnection&& other) noexcept;
    CupsConnection(const CupsConnection&) = delete;
    CupsConnection& operator=(const CupsConnection&) = delete;

    http_t* http() const { return m_http; }
    explicit operator bool() const { return m_http != nullptr; }
    const std::string& server() const { return m_server; }
    int port() const { return m_port; }

private:
    std::string m_server;
    int m_port = 0;
    http_t* m_http = nullptr;
};

}  // namespace platform
