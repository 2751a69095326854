#include "vxklocalsocket.h"

#include "analyticsrelayinstance.h"

#include <QDebug>

VxkLocalSocket::VxkLocalSocket(QObject *parent)
    : QLocalSocket(parent)
{
    connect(this, &QLocalSocket::readyRead, this, &VxkLocalSocket::onReadyRead);
    connect(this, &QLocalSocket::disconnected, this, &QObject::deleteLater);
    connect(this, &QLocalSocket::errorOccurred, this, &VxkLocalSocket::onError, Qt::DirectConnection);
}

void VxkLocalSocket::onReadyRead()
{
    for (const QString &url : m_frames.take(readAll()))
        AnalyticsRelayInstance::instance().forward(url);
}

void VxkLocalSocket::onError(QLocalSocket::LocalSocketError error)
{
    if (error == QLocalSocket::PeerClosedError)
        return; // the normal end of a client; disconnected cleans up
    qDebug() << "Local socket error: " << error;
    deleteLater();
}
