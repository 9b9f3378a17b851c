#include "ctl/Interruption.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace ctl {

namespace {

std::atomic<int> g_signal = 0;
int g_wakeup[2] = {-1, -1};  // a pipe: a byte in it wakes the waiter

void OnSignal(int number) {
    int none = 0;
    if (!g_signal.compare_exchange_strong(none, number)) {
        std::signal(number, SIG_DFL);
        std::raise(number);
        return;
    }
    const int saved = errno;
    Wake();
    errno = saved;
}

}  // namespace

void CatchInterrupts() {
    if (g_wakeup[0] < 0 && pipe2(g_wakeup, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int Interruption() {
    return g_signal.load();
}

int InterruptedExit(int signal) {
    return 128 + signal;
}

void Wake() {
    if (g_wakeup[1] >= 0) {
        const char byte = 0;
        // A full pipe wakes the waiter as well.
        [[maybe_unused]] const ssize_t written = write(g_wakeup[1], &byte, 1);
    }
}

void WaitForWakeup(std::optional<std::chrono::steady_clock::time_point> until) {
    using namespace std::chrono;
    int timeoutMs = -1;
    if (until) {
        const auto left = ceil<milliseconds>(*until - steady_clock::now()).count();
        timeoutMs = static_cast<int>(std::clamp<long long>(left, 0, 60000));
    }
    // Without the pipe (no descriptor was left for it) nothing wakes the waiter: it looks again soon.
    if (g_wakeup[0] < 0)
        timeoutMs = timeoutMs < 0 ? 50 : std::min(timeoutMs, 50);
    pollfd descriptor{g_wakeup[0], POLLIN, 0};
    if (poll(&descriptor, 1, timeoutMs) > 0) {
        char bytes[64];
        while (read(g_wakeup[0], bytes, sizeof bytes) > 0) {
        }
    }
}

}  // namespace ctl
