#include "lapplication.h"

#include "maininterfacefrm.h"
#include "processutils.h"
#include "shellconstants.h"
#include "singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QMetaMethod>
#include <QTimer>

namespace
{
    // A second start that connects but never sends is let go after this long.
    constexpr int kMessageWaitMs = 5000;
}

class LApplicationPrivate
{
public:
    explicit LApplicationPrivate(LApplication *application)
        : instance(new SingleInstance(ShellConstants::InstanceName, application))
        , app(application)
    {
        // The message is the last argument, or nothing; it is only read.
        const QStringList arguments = QCoreApplication::arguments();
        const QString message = arguments.size() >= 2 ? arguments.last() : QString();
        running = instance->probe(message) == SingleInstance::Role::Second;
        if (QLocalServer *server = instance->server())
            QObject::connect(server, &QLocalServer::newConnection, application, &LApplication::newLocalConnection);
    }

    MainInterfaceFrm *window = nullptr;
    bool running = false;
    SingleInstance *instance;
    bool readyDone = false;
    LApplication *app;
};

LApplication::LApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    d.reset(new LApplicationPrivate(this));
    // There is no debug privilege here (the call does nothing), and the
    // program does not keep the system awake merely by running.
    enableDebugPrivilege();
}

LApplication::~LApplication()
{
    delete d->window;
    d->window = nullptr;
}

bool LApplication::isRunning()
{
    const auto *application = qobject_cast<LApplication *>(QCoreApplication::instance());
    return application && application->d->running;
}

void LApplication::startMainWindow()
{
    if (d->running || d->window)
        return;
    d->window = new MainInterfaceFrm;
    setStyleSheet(QStringLiteral("file:///:/CSS/global.css"));
    const int index = d->window->metaObject()->indexOfMethod("onReady()");
    if (d->readyDone && index >= 0)
        d->window->metaObject()->method(index).invoke(d->window, Qt::DirectConnection);
    else
        connect(this, SIGNAL(ready()), d->window, SLOT(onReady()));
    d->readyDone = true;
    emit ready();
}

MainInterfaceFrm *LApplication::mainWindow() const
{
    return d->window;
}

void LApplication::newLocalConnection()
{
    QLocalServer *server = d->instance->server();
    QLocalSocket *socket = server ? server->nextPendingConnection() : nullptr;
    if (!socket)
        return;
    // The message is read and dropped as it comes, never waited for here.
    connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kMessageWaitMs, socket, &QObject::deleteLater);
    if (d->window)
        d->window->activateWindow();
}
