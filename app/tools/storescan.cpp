#include "storescan.h"

#include <devicedata.h>
#include <deviceparser.h>
#include <idbexecutor.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <memory>

using namespace DeviceData;

namespace
{
    // The scan worker's engine callback: everything goes to the store, group 0.
    void scanCallback(const int *status, int kind, int value, const void *record, void *)
    {
        DeviceParser::instance()->onEngineCallback(DeviceGroup, *status, kind, value, record);
    }
}

QVector<int> categoriesOfMask(long long mask)
{
    static const int ids[] = {Contacts, Messages, MessagesAttachment, Voicemails, VoiceMemos, Photos, AlbumVideos,
                              FaceTime, SafariBookmarks, SafariHistory, Notes, NotesAttachment, CallHistory,
                              Calendars, CalendarsAttachment, Reminders, RemindersAttachment, AppPhotos, AppVideos,
                              AppAudios, AppDocuments, WhatsApp, WhatsAppAttachment, Line, LineAttachment};
    QVector<int> chosen;
    for (int id : ids)
        if (engineCategoryOf(id) & mask)
            chosen.append(id);
    return chosen;
}

bool scanBackupIntoStore(const QString &backup, long long mask, const QString &outputDir)
{
    IDBExecutor *raw = nullptr;
    if (!InitDBExecutor(&raw))
        return false;
    std::unique_ptr<IDBExecutor> executor(raw);
    DBExecutorParam param;
    param.backupPath = backup.toStdWString();
    param.outputDir = outputDir.toStdWString();
    param.mode = DBMODE_BACKUP;
    param.categoryMask = int32_t(mask);
    executor->SetParam(param);
    executor->SetCallback(scanCallback, nullptr);

    DeviceParser::instance()->setScanCategories(DeviceGroup, categoriesOfMask(mask));
    runOnStoreWorker([&executor] { executor->Start(); });
    return true;
}

void runOnStoreWorker(const std::function<void()> &intake)
{
    DeviceParser *parser = DeviceParser::instance();
    parser->setScanFinished(DeviceGroup, false);
    std::unique_ptr<QThread> worker(QThread::create([&intake, parser] {
        intake();
        parser->setScanFinished(DeviceGroup, true);
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    loop.exec();
    worker->wait();
    QCoreApplication::processEvents();
}
