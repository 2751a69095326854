// Stand-ins for the desktop's bus services, for tests: a file manager on the
// session bus and the login manager on the system bus. Every call is
// appended to the log file given as the only argument; "ready" on stdout
// says both names are owned.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QSocketNotifier>
#include <QStringList>
#include <QUrl>

#include <cstdio>
#include <unistd.h>

namespace
{
    QString g_logPath;

    void record(const QString &line)
    {
        QFile log(g_logPath);
        if (log.open(QIODevice::Append))
            log.write(line.toUtf8() + '\n');
    }
}

class FileManagerStandIn : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        record("ShowItems " + uris.join(' ') + " startup=" + startupId);
    }
};

class LoginManagerStandIn : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public slots:
    // The caller holds the write end; when every copy of it is closed the
    // read end sees the end of the file and the inhibitor is released.
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why,
                                    const QString &mode)
    {
        int ends[2];
        if (::pipe(ends) != 0)
            return {};
        record(QStringLiteral("Inhibit %1|%2|%3|%4").arg(what, who, why, mode));
        auto *notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [notifier, readEnd = ends[0]] {
            char byte;
            if (::read(readEnd, &byte, 1) <= 0) {
                record("released");
                notifier->setEnabled(false);
                ::close(readEnd);
            }
        });
        QDBusUnixFileDescriptor descriptor(ends[1]);
        ::close(ends[1]);
        return descriptor;
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    g_logPath = QString::fromLocal8Bit(argv[1]);

    FileManagerStandIn fileManager;
    LoginManagerStandIn loginManager;
    QDBusConnection session = QDBusConnection::sessionBus();
    QDBusConnection system = QDBusConnection::systemBus();
    if (!session.registerObject("/org/freedesktop/FileManager1", &fileManager, QDBusConnection::ExportAllSlots)
        || !session.registerService("org.freedesktop.FileManager1")
        || !system.registerObject("/org/freedesktop/login1", &loginManager, QDBusConnection::ExportAllSlots)
        || !system.registerService("org.freedesktop.login1"))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

#include "busstandins.moc"
