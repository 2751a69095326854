// The benchmark's reference: an empty QMainWindow started as quenrow is,
// with the same heartbeat, that ends by itself after --quit-after-ms.
#include "heartbeat.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Heartbeat::startFromEnvironment();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.resize(1240, 740);
    window.show();
    const QStringList arguments = QCoreApplication::arguments();
    const int at = arguments.indexOf(QStringLiteral("--quit-after-ms"));
    if (at > 0 && at + 1 < arguments.size())
        QTimer::singleShot(arguments.at(at + 1).toInt(), &app, &QCoreApplication::quit);
    const int code = app.exec();
    Heartbeat::writeProcessReport();
    return code;
}
