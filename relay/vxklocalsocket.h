#pragma once

#include "relayframereader.h"

#include <QLocalSocket>

// One client connection; its frames go to the analytics relay.
class VxkLocalSocket : public QLocalSocket
{
    Q_OBJECT

public:
    explicit VxkLocalSocket(QObject *parent);

private slots:
    void onReadyRead();
    void onError(QLocalSocket::LocalSocketError error);

private:
    RelayFrameReader m_frames;
};
