#include "platform/SingleInstance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <memory>

namespace platform {

namespace {
constexpr int kTimeoutMs = 3000;
// Far more than any path; a peer that sends more without ending its request is cut off.
constexpr qsizetype kMaxRequestBytes = 64 * 1024;

// The display (X11, else Wayland), else the login session: a start on a second display of the
// same user runs its own copy instead of raising one the user cannot see.
QString SessionKey() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_ID"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return QString(value).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")),
                                          QStringLiteral("_"));
    }
    return QStringLiteral("nosession");
}

// A directory of this user's own that no other account can write into, not reached through a link.
bool IsPrivateDirectory(const QString& path, QString& why) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        why = QStringLiteral("%1 cannot be examined").arg(path);
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 0022) != 0) {
        why = QStringLiteral("%1 is not a directory of this user's own that only it can write").arg(path);
        return false;
    }
    return true;
}

// XDG_RUNTIME_DIR when it is usable, else <temp>/<app>-runtime-<uid> made 0700; empty when neither is
// safe.
QString PrivateDirectory(const QString& appName, QString& why) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateDirectory(runtime, why))
        return runtime;
    const QString own =
        QDir::temp().filePath(appName + QStringLiteral("-runtime-") + QString::number(::getuid()));
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return IsPrivateDirectory(own, why) ? own : QString();
}
}  // namespace

SingleInstance::SingleInstance(const QString& appName) {
    m_key = appName + QLatin1Char('-') + SessionKey();
    QString why;
    m_directory = PrivateDirectory(appName, why);
    if (m_directory.isEmpty())
        m_warning = QStringLiteral("%1; running without the single-instance lock").arg(why);
}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
}

bool SingleInstance::acquire() {
    if (m_directory.isEmpty())
        return true;
    const QString lockPath = QDir(m_directory).filePath(m_key + QStringLiteral(".lock"));
    m_lock = std::make_unique<QLockFile>(lockPath);
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        qint64 pid = 0;
        QString host, app;
        m_lock->getLockInfo(&pid, &host, &app);
        m_warning =
            QStringLiteral("already running in this session (process %1, lock %2); bringing it forward")
                .arg(pid)
                .arg(lockPath);
        m_lock.reset();
        return false;
    }
    const QString socketPath = QDir(m_directory).filePath(m_key);
    m_server = std::make_unique<QLocalServer>();
    QLocalServer::removeServer(socketPath);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(socketPath);
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            auto request = std::make_shared<QByteArray>();
            QObject::connect(peer, &QLocalSocket::readyRead, peer,
                             [this, peer, request] { answer(peer, *request); });
            answer(peer, *request);  // what arrived with the connection
        }
    });
    return true;
}

// A request is the file's path and a zero byte; the path may be empty. Paths cannot hold a zero
// byte, so any other byte is taken as it stands.
void SingleInstance::answer(QLocalSocket* peer, QByteArray& request) {
    request += peer->readAll();
    const qsizetype end = request.indexOf('\0');
    if (end < 0) {
        if (request.size() > kMaxRequestBytes)
            peer->abort();
        return;
    }
    QObject::disconnect(peer, &QLocalSocket::readyRead, nullptr, nullptr);
    if (m_handler)
        m_handler(request.left(end));
    peer->write("ok");
    peer->flush();
    peer->disconnectFromServer();
}

bool SingleInstance::activateRunning(const QByteArray& file) {
    if (m_directory.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(QDir(m_directory).filePath(m_key));
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    socket.write(file + '\0');
    // The running instance answers once its window was asked to come forward.
    if (!socket.waitForBytesWritten(kTimeoutMs) || !socket.waitForReadyRead(kTimeoutMs))
        return false;
    return socket.readAll().startsWith("ok");
}

void SingleInstance::onActivateRequest(std::function<void(const QByteArray&)> handler) {
    m_handler = std::move(handler);
}

}  // namespace platform
