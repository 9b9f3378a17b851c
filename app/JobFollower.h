#pragma once
// Follows the window's last settings job on the spooler until it ends, asking for that one job's
// state at growing intervals, so that the window learns when the printer holds what it sent. Each
// ask is one call of the printer system, bounded as every call of the window is; between them the
// window is free.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class JobFollower : public QObject {
    Q_OBJECT
public:
    explicit JobFollower(QObject* parent = nullptr);

    // From now on follows this job, and no other.
    void follow(const QString& queue, int jobId);
    void stop();

signals:
    // The job completed, at `at` (seconds since 1970, UTC).
    void completed(const QString& queue, qint64 at);

private:
    void ask();

    QTimer m_timer;
    QElapsedTimer m_since;
    QString m_queue;
    int m_jobId = 0;
};
