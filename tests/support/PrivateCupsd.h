#pragma once
// A CUPS scheduler of the test's own: started as whoever runs the test in a fresh directory under the
// system temp directory, listening on a unix socket there (and, if asked, on a TCP port of
// 127.0.0.1), with CUPS_SERVER pointing at it while it runs. Stopped by its process id; the
// directory goes with it. Several can run at once; each one's queue commands go to it.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct CupsJobRecord {
    int id = 0;
    std::string title;
    int state = 0;  // ipp_jstate_t
};

class PrivateCupsd {
public:
    PrivateCupsd() = default;
    ~PrivateCupsd();
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    // Why no private scheduler can run here (no cupsd); nothing when it can.
    static std::optional<std::string> unavailableReason();
    // In CI (CI=true) a scheduler that cannot run is a failure, not a skip.
    static bool requiredHere();

    // The PPD of the model and one of another make and model.
    static QString modelPpd();
    static QString otherModelPpd();

    // Starts cupsd and waits until it answers; on failure see lastError(). The directives are
    // added to cupsd.conf. With tcp it also listens on a free port of 127.0.0.1.
    bool start(const QStringList& directives = {}, bool tcp = false);
    void stop();
    bool running() const;
    QString socketPath() const;
    // "127.0.0.1:PORT" when it listens on TCP; empty otherwise.
    QString tcpAddress() const;
    QString lastError() const { return m_lastError; }

    // lpadmin -p NAME -E -v URI -P PPD, plus further lpadmin options.
    bool addQueue(const QString& name, const QString& deviceUri, const QString& ppdPath,
                  const QStringList& options = {});
    bool rejectJobs(const QString& name);   // cupsreject
    bool disable(const QString& name);      // cupsdisable: the queue stops
    bool enable(const QString& name);       // cupsenable: it starts again
    bool removeQueue(const QString& name);  // lpadmin -x
    // SIGSTOP: the scheduler stops answering but keeps its socket open, as a hung one does.
    bool freeze();
    bool thaw();  // SIGCONT: it answers again
    // cancel QUEUE-ID, as another user of the scheduler would.
    bool cancelJob(const QString& name, int jobId);

    // Completed jobs of a queue, as the scheduler reports them; and those not ended yet.
    std::vector<CupsJobRecord> completedJobs(const QString& name) const;
    std::vector<CupsJobRecord> activeJobs(const QString& name) const;
    // Waits until the queue has at least count completed jobs; false at the deadline.
    bool waitForCompletedJobs(const QString& name, std::size_t count, int timeoutMs) const;

private:
    bool writeConfiguration(const QStringList& directives);
    bool waitUntilAnswering(int timeoutMs);
    bool run(const QString& program, const QStringList& arguments);
    std::vector<CupsJobRecord> jobsOf(const QString& name, int which) const;
    QString logTail() const;

    QString m_directory;
    int m_tcpPort = 0;
    QProcess m_process;
    std::optional<QByteArray> m_previousServer;
    QString m_lastError;
};

}  // namespace testing_support

// Skips the test when no private scheduler can run here, or fails it in CI.
#define BMK_REQUIRE_PRIVATE_CUPSD()                                               \
    do {                                                                          \
        if (auto reason = ::testing_support::PrivateCupsd::unavailableReason()) { \
            if (::testing_support::PrivateCupsd::requiredHere()) {                \
                FAIL() << "private cupsd required in CI: " << *reason;            \
            }                                                                     \
            GTEST_SKIP() << *reason;                                              \
        }                                                                         \
    } while (false)
