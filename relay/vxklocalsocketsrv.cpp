#include "vxklocalsocketsrv.h"

#include "vxklocalsocket.h"

#include <QDebug>
#include <QLocalSocket>

const QString VxkLocalSocketSrv::ServerName = QStringLiteral("NIMBREL");

VxkLocalSocketSrv::VxkLocalSocketSrv()
    : QLocalServer(nullptr)
{
    setSocketOptions(QLocalServer::UserAccessOption);
}

bool VxkLocalSocketSrv::relayAnswers()
{
    QLocalSocket probe;
    probe.connectToServer(ServerName, QIODevice::ReadWrite);
    const bool answers = probe.waitForConnected(500);
    if (answers) {
        probe.disconnectFromServer();
        probe.close();
    }
    return answers;
}

bool VxkLocalSocketSrv::startServer()
{
    // A name nobody answers on was left by a relay that died: take it over.
    // A live relay's name is never removed.
    if (relayAnswers())
        return false;
    QLocalServer::removeServer(ServerName);
    if (!listen(ServerName)) {
        qWarning("nimbrel: cannot listen on %s: %s", qPrintable(ServerName), qPrintable(errorString()));
        return false;
    }
    return true;
}

void VxkLocalSocketSrv::incomingConnection(quintptr descriptor)
{
    auto *socket = new VxkLocalSocket(this);
    socket->setSocketDescriptor(descriptor, QLocalSocket::ConnectedState, QIODevice::ReadWrite);
}
