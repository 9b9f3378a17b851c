#pragma once
// A unix socket in front of a scheduler's socket that passes every connection's bytes on both
// ways and counts the requests it passes. Just before it passes on the request that reaches a
// given count it calls `freeze` (which stops the scheduler), so that a test stops a scheduler at a
// known point of a client's conversation: after its listing, in the middle of its jobs. It can also
// break a connection off there instead, before that request or before its answer, and hold back
// the rest of every answer for a moment after its header, as a busy scheduler does.
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

class FreezingRelay {
public:
    // Kinds of request, by their request line.
    static constexpr const char* kAnyRequest = "POST /";
    static constexpr const char* kJobRequest = "POST /printers/";  // Create-Job, Send-Document

    FreezingRelay(const QString& scheduler, const QString& path);
    ~FreezingRelay();
    FreezingRelay(const FreezingRelay&) = delete;
    FreezingRelay& operator=(const FreezingRelay&) = delete;

    bool listening() const { return m_listenFd >= 0; }
    QString path() const { return m_path; }

    // freeze() once, before passing on the count-th request of the kind.
    void freezeAt(const char* kind, int count, std::function<void()> freeze);
    // Instead of passing on the count-th request of the kind, closes its connection both ways.
    void cutAt(const char* kind, int count);
    // Passes on the count-th request of the kind, then closes its connection both ways instead of
    // passing on its answer: the scheduler did what it was asked, the client never hears of it.
    void cutAnswerAt(const char* kind, int count);
    bool frozen() const { return m_frozen; }
    // From now on the bytes after the header of each answer follow it only after `pause`.
    void pauseAfterHeaders(std::chrono::milliseconds pause) { m_pause = pause; }
    // Requests of any kind passed on or held so far.
    int requests() const { return m_requests; }

private:
    void accept();
    void pass(int from, int to, bool counted);
    // Passes on bytes of answers, holding back what follows each header when asked to; false once
    // the connection is closed.
    bool answer(int scheduler, int to, const char* bytes, std::size_t size);
    enum class Cut { None, Request, Answer };
    // Whether the connection is to be cut here, or once its answer comes.
    Cut count(const std::string& text, std::size_t limit);

    QString m_scheduler;
    QString m_path;
    int m_listenFd = -1;
    std::thread m_acceptor;
    std::mutex m_mutex;
    std::vector<int> m_fds;
    std::vector<std::thread> m_pumps;
    std::string m_kind;
    int m_count = 0;
    int m_seen = 0;
    std::function<void()> m_freeze;
    Cut m_cut = Cut::None;
    std::vector<int> m_answersToCut;  // the scheduler's ends of the connections to cut
    std::atomic<bool> m_frozen = false;
    std::atomic<int> m_requests = 0;
    std::atomic<std::chrono::milliseconds> m_pause{};
};

}  // namespace testing_support
