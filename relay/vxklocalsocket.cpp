#include "vxklocalsocket.h"

#include "analyticsrelayinstance.h"

#include <QDebug>

namespace
{
    const QByteArray StartMarker("_$!<");
    const QByteArray EndMarker(">!$_");
    // A client that never ends its frame costs at most this much.
    const int MaxPending = 500;
}

VxkLocalSocket::VxkLocalSocket(QObject *parent)
    : QLocalSocket(parent)
{
    connect(this, &QLocalSocket::readyRead, this, &VxkLocalSocket::onReadyRead);
    connect(this, &QLocalSocket::disconnected, this, &QObject::deleteLater);
    connect(this, &QLocalSocket::errorOccurred, this, &VxkLocalSocket::onError, Qt::DirectConnection);
}

void VxkLocalSocket::onReadyRead()
{
    m_buffer.append(readAll());
    if (m_buffer.size() < StartMarker.size() + EndMarker.size())
        return;
    for (int end = m_buffer.indexOf(EndMarker); end >= 0; end = m_buffer.indexOf(EndMarker)) {
        const QByteArray frame = m_buffer.left(end);
        m_buffer.remove(0, end + EndMarker.size());
        const int start = frame.indexOf(StartMarker);
        if (start >= 0) {
            const QByteArray payload = frame.mid(start + StartMarker.size());
            const auto decoded = QByteArray::fromBase64Encoding(payload, QByteArray::AbortOnBase64DecodingErrors);
            if (decoded)
                AnalyticsRelayInstance::instance().forward(QString::fromUtf8(*decoded));
            else
                qDebug("Undecodable frame, dropped");
        }
        if (m_buffer.size() < StartMarker.size() + EndMarker.size())
            return;
    }
    if (m_buffer.size() > MaxPending)
        m_buffer.clear();
}

void VxkLocalSocket::onError(QLocalSocket::LocalSocketError error)
{
    if (error == QLocalSocket::PeerClosedError)
        return; // the normal end of a client; disconnected cleans up
    qDebug() << "Local socket error: " << error;
    deleteLater();
}
