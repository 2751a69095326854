#pragma once

#include <QObject>
#include <QTimer>

class QNetworkReply;

// Aborts a reply that is still running after the given time. It is the
// reply's child, so it goes when the reply goes.
class QReplyTimeout : public QObject
{
    Q_OBJECT

public:
    QReplyTimeout(QNetworkReply *reply, int milliseconds);

    bool isActive() const;
    void stop();

signals:
    void timeout();

private slots:
    void onTimeout();

private:
    QTimer m_timer;
};
