// quenrow-export: scans a backup into the record store, checks every record
// (or only those named by --check) and exports the chosen categories as the
// Recover button does; prints one JSON line with the run's counters.
//
//   quenrow-export --backup DIR --categories N[,N...] --out DIR [--check TYPE:ROWS ...]
//
// TYPE is a category id, ROWS the rows of its list as quenrow-store-dump
// prints them ("0,3,4"), or "all".

#include "chatexportjobs.h"
#include "copyproxy.h"
#include "recovernatmanager.h"
#include "scanitunesbackupmanage.h"
#include "storescan.h"

#include <devicedata.h>
#include <deviceparser.h>
#include <recordaccess.h>
#include <thumbnailsessionmanager.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

using namespace DeviceData;

namespace
{
    // The records of one list to check: every one, or those rows.
    struct CheckSpec
    {
        int type = 0;
        bool all = false;
        QList<int> rows;
    };

    struct Options
    {
        QString backup;
        QString out;
        QList<int> categories;
        QList<CheckSpec> checks; // empty: every record
    };

    int usage()
    {
        std::fputs("usage: quenrow-export --backup DIR --categories N[,N...] --out DIR [--check TYPE:ROWS ...]\n"
                   "       ROWS: store rows as quenrow-store-dump prints them (N[,N...]), or all\n",
                   stderr);
        return 2;
    }

    bool isSessionStore(int type)
    {
        return type == WhatsAppAttachment || type == LineAttachment;
    }

    bool parseCheck(const QString &text, CheckSpec *spec)
    {
        const int colon = text.indexOf(':');
        if (colon <= 0)
            return false;
        bool ok = false;
        spec->type = text.left(colon).toInt(&ok, 10);
        if (!ok || spec->type <= 0)
            return false;
        const QString rows = text.mid(colon + 1);
        if (rows == QLatin1String("all")) {
            spec->all = true;
            return true;
        }
        // A chat attachment list is kept per kind: only all of it is named.
        if (isSessionStore(spec->type))
            return false;
        for (const QString &part : rows.split(',')) {
            const int row = part.toInt(&ok, 10);
            if (!ok || row < 0)
                return false;
            spec->rows.append(row);
        }
        return !spec->rows.isEmpty();
    }

    bool parse(const QStringList &args, Options &options)
    {
        for (int i = 1; i < args.size(); ++i) {
            const QString &arg = args.at(i);
            if (i + 1 >= args.size())
                return false;
            if (arg == "--backup") {
                options.backup = args.at(++i);
            } else if (arg == "--out") {
                options.out = args.at(++i);
            } else if (arg == "--categories") {
                if (!parseCategoryIds(args.at(++i), &options.categories))
                    return false;
            } else if (arg == "--check") {
                CheckSpec spec;
                if (!parseCheck(args.at(++i), &spec))
                    return false;
                options.checks.append(spec);
            } else {
                return false;
            }
        }
        if (options.categories.isEmpty() || options.backup.isEmpty() || options.out.isEmpty())
            return false;
        // Sources are told apart by their form: a local one is absolute.
        options.backup = QFileInfo(options.backup).absoluteFilePath();
        options.out = QFileInfo(options.out).absoluteFilePath();
        return true;
    }

    // Every record of the store gets the state, as the views write it when
    // the user checks or unchecks everything.
    void setEveryState(int state)
    {
        DeviceParser *parser = DeviceParser::instance();
        const QMap<int, QList<QVariant>> lists = parser->recordMap(DeviceGroup);
        for (auto it = lists.cbegin(); it != lists.cend(); ++it) {
            QList<QVariant> list = it.value();
            if (DeviceData::setCheckStates(list, state) > 0)
                parser->setRecords(DeviceGroup, it.key(), list);
        }
        for (int scanType : {int(WhatsAppAttachment), int(LineAttachment)}) {
            const QMap<int, QList<QVariant>> kinds = parser->sessionMap(scanType);
            for (auto it = kinds.cbegin(); it != kinds.cend(); ++it) {
                QList<QVariant> list = it.value();
                if (DeviceData::setCheckStates(list, state) > 0)
                    parser->setSessionRecords(scanType, it.key(), list);
            }
        }
    }

    // Only the named records are checked; false, with a message, for a row
    // the store does not hold.
    bool checkOnly(const QList<CheckSpec> &checks)
    {
        setEveryState(0);
        DeviceParser *parser = DeviceParser::instance();
        for (const CheckSpec &spec : checks) {
            if (isSessionStore(spec.type)) {
                const QMap<int, QList<QVariant>> kinds = parser->sessionMap(spec.type);
                for (auto it = kinds.cbegin(); it != kinds.cend(); ++it) {
                    QList<QVariant> list = it.value();
                    DeviceData::setCheckStates(list, 2);
                    parser->setSessionRecords(spec.type, it.key(), list);
                }
                continue;
            }
            QList<QVariant> list = parser->records(DeviceGroup, spec.type);
            if (spec.all)
                DeviceData::setCheckStates(list, 2);
            for (int row : spec.rows) {
                if (row >= list.size()) {
                    std::fprintf(stderr, "quenrow-export: category %d has no row %d (it holds %d)\n", spec.type, row,
                                 int(list.size()));
                    return false;
                }
                DeviceData::setCheckState(list[row], 2);
            }
            parser->setRecords(DeviceGroup, spec.type, list);
        }
        return true;
    }

    int s_signalPipe[2] = {-1, -1};

    void onSignal(int)
    {
        const int saved = errno;
        const char byte = 1;
        [[maybe_unused]] ssize_t written = ::write(s_signalPipe[1], &byte, 1);
        errno = saved;
    }

    QString reasonOf(int error)
    {
        switch (error) {
        case RecoverError::NotEnoughSpace: return QStringLiteral("not enough space on the destination");
        case RecoverError::DiskNotFound: return QStringLiteral("the destination folder cannot be created");
        default: return QStringLiteral("error %1").arg(error);
        }
    }
}

int main(int argc, char **argv)
{
    // Caught from the start: a signal during the scan stops the run as soon
    // as it begins.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_signalPipe) == 0) {
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
    }
    QCoreApplication app(argc, argv);
    Options options;
    if (!parse(app.arguments(), options))
        return usage();

    bool stopRequested = false;
    RecoverNatManager *manager = nullptr;
    if (s_signalPipe[0] >= 0) {
        auto *notifier = new QSocketNotifier(s_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [&stopRequested, &manager] {
            char byte;
            [[maybe_unused]] ssize_t got = ::read(s_signalPipe[0], &byte, 1);
            stopRequested = true;
            // The run still ends, once no copy is in flight.
            if (manager)
                manager->stop();
            else
                ScaniTunesBackupManage::instance()->stopScanBackupsDb();
        });
    }

    QTemporaryDir work;
    if (!work.isValid()) {
        std::fputs("quenrow-export: no temporary folder\n", stderr);
        return 1;
    }
    scanBackupIntoStore(options.backup, options.categories, work.path());
    // What could not be read is told before the export of the rest.
    const int scanStatus = reportScanErrors("quenrow-export");
    if (backupWasUnreadable()) {
        work.remove();
        std::_Exit(scanStatus);
    }
    if (options.checks.isEmpty()) {
        setEveryState(2);
    } else if (!checkOnly(options.checks)) {
        work.remove();
        std::_Exit(2);
    }

    // As the export pages ask: the backup's model name and WhatsApp owner.
    ScaniTunesBackupManage *backups = ScaniTunesBackupManage::instance();
    const QString model = backups->readProductTypefunc(options.backup);
    RecoverNatManager::setSourceNameProvider([model] { return model; });
    const QString owner = backups->getRegisterPhoneNum(options.backup);
    ChatExportJobs::setOwnerNumberProvider([owner] { return owner; });
    RecoverNatManager::setRecoverFolder(options.out);
    RecoverNatManager::setOverDelay(0);
    manager = RecoverNatManager::instance();

    QEventLoop loop;
    QObject::connect(manager, &RecoverNatManager::sigRecoverOver, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    manager->startRecover(withAttachments(options.categories));
    if (stopRequested)
        manager->stop();
    loop.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;

    QJsonObject line;
    line.insert("root", manager->recoverPath());
    line.insert("total", manager->totalCount());
    line.insert("processed", manager->processedCount());
    line.insert("succeeded", manager->successCount());
    line.insert("error", manager->errorType());
    line.insert("stopped", manager->wasStopped());
    line.insert("seconds", seconds);
    const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);

    int status = scanStatus;
    if (manager->errorType() != 0) {
        std::fprintf(stderr, "quenrow-export: %s\n", qPrintable(reasonOf(manager->errorType())));
        status = 1;
    } else if (manager->wasStopped()) {
        std::fputs("quenrow-export: stopped\n", stderr);
        status = 1;
    }
    ThumbnailSessionManager::instance()->stopAll();
    work.remove();
    // The store and the copy threads need no orderly teardown at exit.
    std::_Exit(status);
}
