#include "tests/support/CaptureListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <map>

namespace testing_support {

CaptureListener::CaptureListener() {
    if (pipe(m_wakeFds) != 0) {
        return;
    }
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;  // the system picks a free port
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 8) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        return;
    }
    m_listenFd = fd;
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { run(); });
}

CaptureListener::~CaptureListener() {
    if (m_thread.joinable()) {
        const char stop = 's';
        [[maybe_unused]] const auto written = write(m_wakeFds[1], &stop, 1);
        m_thread.join();
    }
    for (int fd : {m_listenFd, m_wakeFds[0], m_wakeFds[1]}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

std::string CaptureListener::deviceUri() const {
    return "socket://127.0.0.1:" + std::to_string(m_port);
}

bool CaptureListener::waitForJobs(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_jobArrived.wait_for(lock, timeout, [&] { return m_jobs.size() >= count; });
}

std::vector<std::vector<std::uint8_t>> CaptureListener::jobs() const {
    std::lock_guard lock(m_mutex);
    return m_jobs;
}

void CaptureListener::run() {
    std::map<int, std::vector<std::uint8_t>> open;  // connection -> bytes so far
    for (;;) {
        std::vector<pollfd> fds{{m_wakeFds[0], POLLIN, 0}, {m_listenFd, POLLIN, 0}};
        for (const auto& [fd, bytes] : open) {
            fds.push_back({fd, POLLIN, 0});
        }
        if (poll(fds.data(), fds.size(), -1) < 0) {
            continue;  // interrupted by a signal
        }
        if (fds[0].revents) {
            break;
        }
        if (fds[1].revents & POLLIN) {
            const int client = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0) {
                open[client];
            }
        }
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (!fds[i].revents) {
                continue;
            }
            std::uint8_t buffer[4096];
            const ssize_t count = read(fds[i].fd, buffer, sizeof buffer);
            if (count > 0) {
                open[fds[i].fd].insert(open[fds[i].fd].end(), buffer, buffer + count);
                continue;
            }
            // End of the job: closing our side lets the backend finish.
            std::vector<std::uint8_t> job = std::move(open[fds[i].fd]);
            open.erase(fds[i].fd);
            close(fds[i].fd);
            {
                std::lock_guard lock(m_mutex);
                m_jobs.push_back(std::move(job));
            }
            m_jobArrived.notify_all();
        }
    }
    for (const auto& [fd, bytes] : open) {
        close(fd);
    }
}

}  // namespace testing_support
