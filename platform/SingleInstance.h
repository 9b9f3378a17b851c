#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace platform {

// One running instance per application name, user and session (the display, else the login
// session). Taking the lock is one atomic step, so two simultaneous starts cannot both run; a
// later start asks the running one to come forward, handing it the file it was started with.
//
// The lock and the socket live where only the user can write: XDG_RUNTIME_DIR, or else a 0700
// directory of the user's own under the temp directory. A place another account could have
// prepared is never used; the program then runs unguarded rather than not at all.
class SingleInstance {
public:
    explicit SingleInstance(const QString& appName);
    ~SingleInstance();

    // True when this process is now the running instance, or runs unguarded (see warning()).
    bool acquire();
    // Asks the running instance to restore and raise its window and to open `file` (a path as
    // the file system spells it; empty for none); true when it confirmed.
    bool activateRunning(const QByteArray& file = {});
    // What the running instance does when asked, with the file handed over (empty for none).
    void onActivateRequest(std::function<void(const QByteArray& file)> handler);

    // Why a start ends (the lock is held) or runs unguarded; empty otherwise. For stderr.
    QString warning() const { return m_warning; }

private:
    // Reads a request as it arrives; once whole, passes it on and confirms.
    void answer(QLocalSocket* peer, QByteArray& request);

    QString m_key;
    QString m_directory;  // empty when no safe place was found
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void(const QByteArray&)> m_handler;
    QString m_warning;
};

}  // namespace platform
