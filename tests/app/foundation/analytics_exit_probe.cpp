// Sends one event to a server that never answers and returns from main as
// soon as the request is in flight.
#include "analyticstracker.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Left alive past main, so the connection stays open and unanswered.
    auto *silentServer = new QTcpServer;
    QTcpServer &silent = *silentServer;
    if (!silent.listen(QHostAddress::LocalHost))
        return 3;
    qputenv("QUENROW_ANALYTICS_URL",
             QStringLiteral("http://127.0.0.1:%1/g/collect?v=2").arg(silent.serverPort()).toUtf8());
    QObject::connect(&silent, &QTcpServer::newConnection, [&] {
        silent.nextPendingConnection(); // held open, never answered
        std::printf("request in flight\n");
        std::fflush(stdout);
        QTimer::singleShot(300, &app, &QCoreApplication::quit);
    });
    QTimer::singleShot(10000, &app, [&] { app.exit(4); });
    trackEvent("Lifecycle", "Start");
    return app.exec();
}
