#include "app/JobFollower.h"

#include <QDateTime>
#include <algorithm>

#include "platform/PrinterSystem.h"

namespace {

// A raw job of 190 bytes ends within moments on a printer that is there; one that waits behind
// others or a stopped queue is asked about less often, and not past the time a user still looks.
constexpr int kFirstIntervalMs = 200;
constexpr int kLongestIntervalMs = 5000;
constexpr qint64 kFollowForMs = 10 * 60 * 1000;

}  // namespace

JobFollower::JobFollower(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &JobFollower::ask);
}

void JobFollower::follow(const QString& queue, int jobId) {
    m_queue = queue;
    m_jobId = jobId;
    m_since.start();
    m_timer.start(kFirstIntervalMs);
}

void JobFollower::stop() {
    m_timer.stop();
}

void JobFollower::ask() {
    const platform::JobStatus status =
        platform::CurrentPrinterSystem().jobStatus(m_queue.toStdString(), m_jobId);
    switch (status.state) {
        case platform::JobState::Pending:
        case platform::JobState::Held:
        case platform::JobState::Processing:
            if (m_since.elapsed() < kFollowForMs)
                m_timer.start(std::min(m_timer.interval() * 2, kLongestIntervalMs));
            return;
        case platform::JobState::Completed:
            emit completed(m_queue,
                           status.completed > 0 ? status.completed : QDateTime::currentSecsSinceEpoch());
            return;
        case platform::JobState::Aborted:
        case platform::JobState::Canceled:
        case platform::JobState::NotFound:
        case platform::JobState::Unknown:
            // Never what the printer holds; and a spooler that does not answer is not asked again.
            return;
    }
}
