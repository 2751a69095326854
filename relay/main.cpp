// nimbrel: forwards analytics URLs written by local clients to the
// analytics endpoint. Exit 1 when another relay already serves, 2 when the
// server cannot listen.
#include "vxklocalsocketsrv.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    VxkLocalSocketSrv server;
    if (!server.startServer())
        return VxkLocalSocketSrv::relayAnswers() ? 1 : 2;
    return app.exec();
}
