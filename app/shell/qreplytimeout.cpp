#include "qreplytimeout.h"

#include <QNetworkReply>

QReplyTimeout::QReplyTimeout(QNetworkReply *reply, int milliseconds)
    : QObject(reply)
{
    if (reply && reply->isRunning()) {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &QReplyTimeout::onTimeout);
        m_timer.start(milliseconds);
    }
}

bool QReplyTimeout::isActive() const
{
    return m_timer.isActive();
}

void QReplyTimeout::stop()
{
    m_timer.stop();
}

void QReplyTimeout::onTimeout()
{
    auto *reply = qobject_cast<QNetworkReply *>(parent());
    if (reply && reply->isRunning()) {
        reply->abort();
        emit timeout();
    }
}
