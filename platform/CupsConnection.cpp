#include "platform/CupsConnection.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <regex>

namespace platform {

namespace {
// The shortest wait handed to CUPS, so that a deadline just ahead is not taken for none.
constexpr double kShortestWaitSeconds = 0.01;
// With a deadline, how often the wait for an answer looks at the clock and the flag.
constexpr std::chrono::milliseconds kAnswerTick{100};
// cupsDoRequest's tries: once more after the scheduler asked for authentication or encryption.
constexpr int kRequestTries = 3;

// The seconds from now to the time, at least the shortest wait.
double SecondsUntil(std::chrono::steady_clock::time_point time) {
    const std::chrono::duration<double> left = time - std::chrono::steady_clock::now();
    return std::max(left.count(), kShortestWaitSeconds);
}

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
    // A socket path, [ADDRESS] or a host with an optional port, or a bare IPv6 address.
    static const std::regex kForm(
        R"((/.*)|\[([0-9A-Fa-f:.%\w]+)\](?::(\d{1,5}))?|([^:/\s\[\]]+)(?::(\d{1,5}))?|([0-9A-Fa-f]*(?::[0-9A-Fa-f]*){2,7}))");
    std::smatch form;
    if (!std::regex_match(text, form, kForm)) {
        return std::nullopt;
    }
    CupsServer server{form[1].str() + form[2].str() + form[4].str() + form[6].str()};
    const std::string port = form[3].str() + form[5].str();
    if (!port.empty() && !ParsePort(port, server.port)) {
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
        // CUPS waits this long for each piece of an answer without asking the callback (the body
        // of an IPP answer), so it is the whole time left: a shorter wait takes a scheduler that
        // pauses between the header and the body of its answer for one that gave none.
        httpSetTimeout(m_http, SecondsUntil(deadline), &CupsConnection::KeepWaiting, this);
    }
}

int CupsConnection::KeepWaiting(http_t*, void* data) {
    auto* connection = static_cast<CupsConnection*>(data);
    const bool abandoned = connection->m_abandon && connection->m_abandon->load();
    if (abandoned || std::chrono::steady_clock::now() >= *connection->m_deadline) {
        connection->m_gaveUp = true;
        return 0;
    }
    return 1;
}

bool CupsConnection::awaitAnswer() {
    if (!m_deadline) {
        return true;
    }
    using std::chrono::milliseconds;
    while (httpGetReady(m_http) == 0) {
        const auto left = *m_deadline - std::chrono::steady_clock::now();
        if ((m_abandon && m_abandon->load()) || left <= left.zero()) {
            m_gaveUp = true;
            return false;
        }
        const auto tick = std::min(kAnswerTick, std::chrono::ceil<milliseconds>(left));
        pollfd descriptor{httpGetFd(m_http), POLLIN, 0};
        if (poll(&descriptor, 1, static_cast<int>(tick.count())) > 0) {
            break;
        }
    }
    giveUpAt(*m_deadline);  // what of the time is left, for the rest of the answer
    return true;
}

ipp_t* CupsConnection::response(const std::string& resource) {
    // (CUPS takes no connection for its default one.)
    return m_http && awaitAnswer() ? cupsGetResponse(m_http, resource.c_str()) : nullptr;
}

ipp_t* CupsConnection::exchange(ipp_t* request, const std::string& resource) {
    // As cupsDoRequest does it, with the wait for the answer of our own.
    ipp_t* answer = nullptr;
    for (int tries = 0; m_http && !answer && tries < kRequestTries; ++tries) {
        http_status_t status = cupsSendRequest(m_http, request, resource.c_str(), ippLength(request));
        if (status == HTTP_STATUS_CONTINUE || status == HTTP_STATUS_OK) {
            answer = response(resource);
            if (m_gaveUp) {
                break;
            }
            status = httpGetStatus(m_http);
        }
        if (status == HTTP_STATUS_ERROR ||
            (status >= HTTP_STATUS_BAD_REQUEST && status != HTTP_STATUS_UNAUTHORIZED &&
             status != HTTP_STATUS_UPGRADE_REQUIRED)) {
            break;
        }
        if (httpGetState(m_http) != HTTP_STATE_WAITING) {
            httpFlush(m_http);
        }
    }
    ippDelete(request);
    return answer;
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
