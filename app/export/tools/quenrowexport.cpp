// quenrow-export: scans a backup into the record store, checks every record
// and exports the chosen categories as the Recover button does; prints one
// JSON line with the run's counters.
//
//   quenrow-export --backup DIR --categories N[,N...] --out DIR

#include "chatexportjobs.h"
#include "copyproxy.h"
#include "recovernatmanager.h"
#include "scanitunesbackupmanage.h"
#include "storescan.h"

#include <devicedata.h>
#include <deviceparser.h>
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
    struct Options
    {
        QString backup;
        QString out;
        QList<int> categories;
    };

    int usage()
    {
        std::fputs("usage: quenrow-export --backup DIR --categories N[,N...] --out DIR\n", stderr);
        return 2;
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

    template <typename T, typename F>
    QList<QVariant> checkedCopy(const QList<QVariant> &list, F state)
    {
        QList<QVariant> out;
        out.reserve(list.size());
        for (const QVariant &value : list) {
            if (!value.canConvert<T>()) {
                out.append(value);
                continue;
            }
            T record = value.value<T>();
            state(record) = 2;
            out.append(QVariant::fromValue(record));
        }
        return out;
    }

    QList<QVariant> checkAll(const QList<QVariant> &list)
    {
        if (list.isEmpty())
            return list;
        const int type = list.first().userType();
        if (type == qMetaTypeId<MediaInfo>())
            return checkedCopy<MediaInfo>(list, [](MediaInfo &r) -> quint16 & { return r.reserved; });
        if (type == qMetaTypeId<DocumentInfo>())
            return checkedCopy<DocumentInfo>(list, [](DocumentInfo &r) -> quint16 & { return r.reserved; });
        if (type == qMetaTypeId<ContactInfo>())
            return checkedCopy<ContactInfo>(list, [](ContactInfo &r) -> quint16 & { return r.reserved2; });
        if (type == qMetaTypeId<SMSSessionInfo>())
            return checkedCopy<SMSSessionInfo>(list, [](SMSSessionInfo &r) -> quint16 & { return r.count; });
        if (type == qMetaTypeId<VMMInfo>())
            return checkedCopy<VMMInfo>(list, [](VMMInfo &r) -> quint16 & { return r.reserved; });
        if (type == qMetaTypeId<CHFTInfo>())
            return checkedCopy<CHFTInfo>(list, [](CHFTInfo &r) -> quint16 & { return r.reserved; });
        if (type == qMetaTypeId<SafariInfo>())
            return checkedCopy<SafariInfo>(list, [](SafariInfo &r) -> quint16 & { return r.reserved; });
        if (type == qMetaTypeId<NotesInfo>())
            return checkedCopy<NotesInfo>(list, [](NotesInfo &r) -> quint16 & { return r.reserved; });
        if (type == qMetaTypeId<CalenderReminderInfo>())
            return checkedCopy<CalenderReminderInfo>(list, [](CalenderReminderInfo &r) -> quint16 & { return r.reserved; });
        if (type == qMetaTypeId<WaSessionInfo>())
            return checkedCopy<WaSessionInfo>(list, [](WaSessionInfo &r) -> quint16 & { return r.spare2; });
        if (type == qMetaTypeId<LineSessionInfo>())
            return checkedCopy<LineSessionInfo>(list, [](LineSessionInfo &r) -> quint16 & { return r.spare2; });
        return list;
    }

    // As the views do when the user checks everything.
    void checkEverything()
    {
        DeviceParser *parser = DeviceParser::instance();
        const QMap<int, QList<QVariant>> lists = parser->recordMap(DeviceGroup);
        for (auto it = lists.cbegin(); it != lists.cend(); ++it)
            parser->setRecords(DeviceGroup, it.key(), checkAll(it.value()));
        for (int scanType : {int(WhatsAppAttachment), int(LineAttachment)}) {
            const QMap<int, QList<QVariant>> kinds = parser->sessionMap(scanType);
            for (auto it = kinds.cbegin(); it != kinds.cend(); ++it) {
                const bool media = it.key() == VideoKind || it.key() == ImageKind;
                parser->setSessionRecords(
                    scanType, it.key(),
                    media ? checkedCopy<MediaInfo>(it.value(), [](MediaInfo &r) -> quint16 & { return r.reserved; })
                          : checkedCopy<DocumentInfo>(it.value(), [](DocumentInfo &r) -> quint16 & { return r.reserved; }));
            }
        }
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
    checkEverything();

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
