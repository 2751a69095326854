#pragma once

#include <QLocalServer>

// The relay's server under the name "NIMBREL", for the user who runs it only.
class VxkLocalSocketSrv : public QLocalServer
{
    Q_OBJECT

public:
    static const QString ServerName;

    VxkLocalSocketSrv();

    // Whether a relay answers on the name now (waits up to 500 ms).
    static bool relayAnswers();
    // False when the name cannot be listened on; the reason is logged.
    bool startServer();

protected:
    void incomingConnection(quintptr descriptor) override;
};
