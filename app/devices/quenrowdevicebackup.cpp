// quenrow-devicebackup: backs the connected device up through the program's
// backup manager and prints each of its signals as a JSON line on stdout.

#include "mobiledevicebackupmanager.h"
#include "vlog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
    int s_signalPipe[2] = {-1, -1};

    void onSignal(int)
    {
        const int saved = errno;
        const char byte = 1;
        [[maybe_unused]] ssize_t written = ::write(s_signalPipe[1], &byte, 1);
        errno = saved;
    }

    int usage(const QString &error)
    {
        std::fprintf(stderr,
                     "%s\nusage: quenrow-devicebackup --target DIR --udid UDID [--version V] "
                     "[--categories N[,N...]]\n",
                     qPrintable(error));
        return 2;
    }

    // The signal's parameters as a JSON array, trailing nulls left out.
    void printSignal(const char *name, const QVariantList &values)
    {
        int count = values.size();
        while (count > 1 && values[count - 1].isNull())
            --count;
        QJsonArray array;
        for (int i = 0; i < count; ++i)
            array.append(QJsonValue::fromVariant(values[i]));
        const QByteArray line = QJsonDocument(QJsonObject {{name, array}}).toJson(QJsonDocument::Compact);
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }

    bool parseCategories(const QString &text, QVector<int> *out)
    {
        if (text.isEmpty())
            return true;
        for (const QString &part : text.split(',')) {
            bool ok = false;
            const int value = part.trimmed().toInt(&ok, 10);
            if (!ok || value < 0)
                return false;
            out->append(value);
        }
        return true;
    }
}

int main(int argc, char **argv)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_signalPipe) == 0) {
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
    }
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption target("target", "backup folder", "DIR");
    const QCommandLineOption udid("udid", "the device's identifier", "UDID");
    const QCommandLineOption version("version", "the device's product version", "V");
    const QCommandLineOption categories("categories", "data categories", "LIST");
    parser.addOptions({target, udid, version, categories});
    if (!parser.parse(app.arguments()))
        return usage(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usage("unexpected argument " + parser.positionalArguments().first());
    if (!parser.isSet(target) || parser.value(target).isEmpty() || !parser.isSet(udid)
        || parser.value(udid).isEmpty())
        return usage("--target and --udid are needed");
    QVector<int> chosen;
    if (!parseCategories(parser.value(categories), &chosen))
        return usage("bad --categories " + parser.value(categories));

    vlogInit();
    MobileDeviceBackupManager *manager = MobileDeviceBackupManager::instance();
    if (parser.isSet(version)) {
        const QString value = parser.value(version);
        manager->setVersionProvider([value] { return value; });
    }

    if (s_signalPipe[0] >= 0) {
        auto *notifier = new QSocketNotifier(s_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [manager] {
            char byte;
            [[maybe_unused]] ssize_t got = ::read(s_signalPipe[0], &byte, 1);
            manager->stopBackup();
        });
    }

    int exitCode = 1;
    bool ended = false;
    QObject::connect(manager, &MobileDeviceBackupManager::taskProgress, &app,
                     [&](int task, QVariant a, QVariant b, QVariant c) {
                         printSignal("taskProgress", {task, a, b, c});
                         if (task != 0)
                             return;
                         const int state = a.toInt();
                         if ((state == 0 || state == -1) && !ended) {
                             ended = true;
                             exitCode = state == 0 ? 0 : 1;
                             // A crash reports 3 half a second after its end.
                             QTimer::singleShot(1000, &app, [&app, &exitCode] { app.exit(exitCode); });
                         } else if (state == 3 && !ended) {
                             // The program never started: no other end follows.
                             ended = true;
                             app.exit(1);
                         }
                     });
    QObject::connect(manager, &MobileDeviceBackupManager::taskRequested, &app,
                     [](int task, QVariant a, QVariant b) { printSignal("taskRequested", {task, a, b}); });

    // Set as the device flow does before its backup.
    manager->setBackupPath(parser.value(target));
    if (!manager->startBackup(parser.value(target), parser.value(udid), chosen))
        return 1;
    return app.exec();
}
