#pragma once
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace platform {

// One running instance per application name. Taking the lock is one atomic step, so two
// simultaneous starts cannot both run; a later start asks the running one to come forward.
class SingleInstance {
public:
    explicit SingleInstance(const QString& appName);
    ~SingleInstance();

    // True when this process is now the running instance.
    bool Acquire();
    // Asks the running instance to restore and raise its window; true when it confirmed.
    bool ActivateRunning();
    // What the running instance does when asked.
    void OnActivateRequest(std::function<void()> handler);

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_handler;
};

}  // namespace platform
