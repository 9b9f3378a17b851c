#include "platform/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace platform {

namespace {
constexpr int kTimeoutMs = 3000;

// Per user, so that two users of one machine each run their own copy.
QString KeyFor(const QString& appName) { return appName + QStringLiteral("-") + QString::number(getuid()); }
}  // namespace

SingleInstance::SingleInstance(const QString& appName) : m_name(KeyFor(appName)) {}

SingleInstance::~SingleInstance() {
    if (m_server) m_server->close();
}

bool SingleInstance::Acquire() {
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(m_name + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    m_server = std::make_unique<QLocalServer>();
    QLocalServer::removeServer(m_name);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(m_name);
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            if (m_handler) m_handler();
            peer->write("ok");
            peer->flush();
            peer->disconnectFromServer();
        }
    });
    return true;
}

bool SingleInstance::ActivateRunning() {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kTimeoutMs)) return false;
    // The running instance answers once its window was asked to come forward.
    if (!socket.waitForReadyRead(kTimeoutMs)) return false;
    return socket.readAll().startsWith("ok");
}

void SingleInstance::OnActivateRequest(std::function<void()> handler) { m_handler = std::move(handler); }

}  // namespace platform
