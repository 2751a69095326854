// quenrow-backups: lists the iTunes backups this computer holds, or scans one
// backup through the scan worker, as JSON Lines on stdout.

#include "jsonline.h"
#include "scanitunesbackupmanage.h"
#include "vlog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QMutex>

#include <cstdio>

namespace
{
    QMutex outputMutex;

    void printLine(const std::string &line)
    {
        QMutexLocker locker(&outputMutex);
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }

    void printSignal(const char *name)
    {
        printLine(JsonLine().add("signal", std::string(name)).str());
    }

    int usage(const QString &error)
    {
        std::fprintf(stderr,
                     "%s\nusage: quenrow-backups [--folder DIR]\n"
                     "       quenrow-backups --scan DIR --categories N[,N...]\n",
                     qPrintable(error));
        return 2;
    }

    bool parseCategories(const QString &text, QList<int> *out)
    {
        for (const QString &part : text.split(',')) {
            bool ok = false;
            const int value = part.trimmed().toInt(&ok, 10);
            if (!ok || value < 0)
                return false;
            out->append(value);
        }
        return !out->isEmpty();
    }

    int listBackups(QCoreApplication &app, const QString &folder)
    {
        ScaniTunesBackupManage manager;
        QObject::connect(
            &manager, &ScaniTunesBackupManage::sigBackupsListInfo, &manager,
            [](const QMap<QString, QString> &info) {
                JsonLine line;
                for (auto it = info.begin(); it != info.end(); ++it)
                    line.add(it.key().toUtf8().constData(), it.value().toStdString());
                printLine(line.str());
            },
            Qt::DirectConnection);
        QObject::connect(&manager, &ScaniTunesBackupManage::sigScanBackupsListStop, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        manager.scanBackupsList(folder);
        const int code = app.exec();
        manager.quitScan();
        return code;
    }

    int scanBackup(QCoreApplication &app, const QString &folder, const QList<int> &categories)
    {
        ScaniTunesBackupManage manager([](int, int status, int kind, int value, const void *) {
            printLine(JsonLine().add("status", status).add("kind", kind).add("value", value).str());
        });
        QObject::connect(
            &manager, &ScaniTunesBackupManage::sigScanBackupsDbStart, &manager,
            [] { printSignal("sigScanBackupsDbStart"); }, Qt::DirectConnection);
        QObject::connect(
            &manager, &ScaniTunesBackupManage::sigScanBackupsDbStop, &manager,
            [] { printSignal("sigScanBackupsDbStop"); }, Qt::DirectConnection);
        QObject::connect(&manager, &ScaniTunesBackupManage::sigScanBackupsDbStop, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        manager.scanBackupsDb(categories, folder, QString(), false);
        const int code = app.exec();
        manager.quitScan();
        return code;
    }
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    vlogInit();
    QCommandLineParser parser;
    parser.addOption({"folder", "Read only this backup folder.", "DIR"});
    parser.addOption({"scan", "Scan this backup folder.", "DIR"});
    parser.addOption({"categories", "Comma-separated category flags to scan.", "LIST"});
    if (!parser.parse(app.arguments()))
        return usage(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usage("unexpected argument: " + parser.positionalArguments().first());

    if (parser.isSet("scan")) {
        QList<int> categories;
        if (parser.isSet("folder") || !parser.isSet("categories") || parser.value("scan").isEmpty()
            || !parseCategories(parser.value("categories"), &categories))
            return usage("--scan needs a folder and --categories with decimal flags");
        return scanBackup(app, parser.value("scan"), categories);
    }
    if (parser.isSet("categories"))
        return usage("--categories goes with --scan");
    if (parser.isSet("folder") && parser.value("folder").isEmpty())
        return usage("--folder needs a folder");
    return listBackups(app, parser.value("folder"));
}
