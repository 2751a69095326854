#pragma once

#include <QByteArray>
#include <QLocalSocket>

// One client connection. Frames are "_$!<" + Base64 of the URL + ">!$_",
// any number in one write or one across several.
class VxkLocalSocket : public QLocalSocket
{
    Q_OBJECT

public:
    explicit VxkLocalSocket(QObject *parent);

private slots:
    void onReadyRead();
    void onError(QLocalSocket::LocalSocketError error);

private:
    QByteArray m_buffer;
};
