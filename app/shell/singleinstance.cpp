#include "singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace
{
    constexpr int kWriteWaitMs = 30000;
}

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_path(serverPath(name))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverPath(const QString &name)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return QDir(runtime).filePath(name);
    return QDir(QDir::tempPath()).filePath(QStringLiteral("%1-%2").arg(name).arg(::getuid()));
}

SingleInstance::Role SingleInstance::probe(const QString &message, int connectWaitMs, int retryWaitMs)
{
    if (handOver(message, connectWaitMs))
        return m_role = Role::Second;
    // Qt binds a socket with access options elsewhere and renames it into
    // place, replacing whatever holds the name: look before listening.
    if (QFileInfo::exists(m_path) || QFileInfo(m_path).isSymLink()) {
        // Ask once more, longer: a first instance busy starting answers late
        // and must keep its socket.
        QLocalSocket::LocalSocketError error = QLocalSocket::UnknownSocketError;
        if (handOver(message, retryWaitMs, &error))
            return m_role = Role::Second;
        if (error != QLocalSocket::ConnectionRefusedError && error != QLocalSocket::ServerNotFoundError)
            return m_role = Role::Alone;
        // Nothing listens behind the name: a crashed instance left it.
        QLocalServer::removeServer(m_path);
    }
    return m_role = listen() ? Role::First : Role::Alone;
}

SingleInstance::Role SingleInstance::role() const
{
    return m_role;
}

QString SingleInstance::path() const
{
    return m_path;
}

QLocalServer *SingleInstance::server() const
{
    return m_role == Role::First ? m_server : nullptr;
}

bool SingleInstance::handOver(const QString &message, int waitMs, QLocalSocket::LocalSocketError *error)
{
    QLocalSocket socket;
    socket.connectToServer(m_path, QIODevice::ReadWrite);
    if (!socket.waitForConnected(waitMs)) {
        if (error)
            *error = socket.error();
        socket.abort();
        return false;
    }
    socket.write(message.toUtf8());
    socket.waitForBytesWritten(kWriteWaitMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
    }
    return m_server->listen(m_path);
}
