#pragma once
// A printer on a socket:// device for tests: listens on 127.0.0.1 at a free port and
// keeps the bytes of each connection. The socket backend opens one connection per
// job and closes its side when the job is sent, so a finished connection is a job.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

class CaptureListener {
public:
    CaptureListener();  // starts listening at once; see listening()
    ~CaptureListener();
    CaptureListener(const CaptureListener&) = delete;
    CaptureListener& operator=(const CaptureListener&) = delete;

    bool listening() const { return m_listenFd >= 0; }
    int port() const { return m_port; }
    std::string deviceUri() const;  // socket://127.0.0.1:PORT

    // Waits until at least count connections have ended; false at the deadline.
    bool waitForJobs(std::size_t count, std::chrono::milliseconds timeout);
    std::vector<std::vector<std::uint8_t>> jobs() const;

private:
    void run();

    int m_listenFd = -1;
    int m_wakeFds[2] = {-1, -1};
    int m_port = 0;
    std::thread m_thread;

    mutable std::mutex m_mutex;
    std::condition_variable m_jobArrived;
    std::vector<std::vector<std::uint8_t>> m_jobs;
};

}  // namespace testing_support
