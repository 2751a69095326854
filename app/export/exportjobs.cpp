#include "exportjobs.h"

#include "chatexportjobs.h"
#include "copyproxy.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "exportfilename.h"
#include "fileutils.h"
#include "recordaccess.h"
#include "recovernatmanager_p.h"
#include "taskworker.h"

#include <QObject>

namespace ExportJobs
{
namespace
{
    using namespace DeviceData;

    const Entry s_jobs[] = {
        {Contacts, exportTable},
        {Messages, ChatExportJobs::exportMessages},
        {MessagesAttachment, exportMediaFiles},
        {Voicemails, exportTable},
        {VoiceMemos, exportTable},
        {Photos, exportMediaFiles},
        {AlbumVideos, exportMediaFiles},
        {FaceTime, exportTable},
        {SafariBookmarks, exportTable},
        {SafariHistory, exportTable},
        {Notes, exportTable},
        {NotesAttachment, exportMediaFiles},
        {CallHistory, exportTable},
        {Calendars, exportTable},
        {CalendarsAttachment, exportMediaFiles},
        {Reminders, exportTable},
        {RemindersAttachment, exportMediaFiles},
        {AppPhotos, exportMediaFiles},
        {AppVideos, exportMediaFiles},
        {AppAudios, exportAppFiles},
        {AppDocuments, exportAppFiles},
        {WhatsApp, ChatExportJobs::exportWhatsApp},
        {WhatsAppAttachment, exportChatAttachments},
        {Line, ChatExportJobs::exportLine},
        {LineAttachment, exportChatAttachments},
    };

    QString subFolderOf(int kind)
    {
        switch (kind) {
        case ImageKind: return QObject::tr("Photos");
        case VideoKind: return QObject::tr("Videos");
        case AudioKind: return QObject::tr("Audios");
        default: return QObject::tr("Documents");
        }
    }
}

const Entry *findJob(int id)
{
    for (const Entry &entry : s_jobs) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

bool writesFolder(int id)
{
    const Entry *entry = findJob(id);
    if (!entry || entry->job == exportNothing)
        return false;
    if (entry->job == exportChatAttachments)
        return !DeviceParser::instance()->sessionMap(id).isEmpty();
    return !DeviceParser::instance()->records(DeviceGroup, id).isEmpty();
}

QString safeFileName(const QString &name)
{
    return ExportFileName::safe(name);
}

void exportNothing(RecoverNatManagerPrivate *, const QString &, const QString &, int) {}

namespace
{
    // The common start and record loop of the file jobs; T is the record
    // type, source picks its source path.
    template <typename T, typename Source>
    void exportFileRecords(RecoverNatManagerPrivate *d, const QString &folder, int id, Source source)
    {
        const QList<QVariant> list = DeviceParser::instance()->records(DeviceGroup, id);
        if (list.isEmpty() || !d->ensureFolder(folder))
            return;
        CopyProxy *proxy = CopyProxy::instance();
        for (const QVariant &value : list) {
            if (!d->running)
                break;
            if (checkState(value) != 2)
                continue;
            const T record = value.value<T>();
            proxy->addTask(source(record), folder + '/' + safeFileName(record.name));
        }
    }
}

void exportMediaFiles(RecoverNatManagerPrivate *d, const QString &folder, const QString &, int id)
{
    // Origin 2 lets the second path stand in for an empty source path.
    exportFileRecords<MediaInfo>(d, folder, id, [](const MediaInfo &record) {
        return record.mediaKind == 2 && record.path.isEmpty() ? record.preview : record.path;
    });
}

void exportAppFiles(RecoverNatManagerPrivate *d, const QString &folder, const QString &, int id)
{
    exportFileRecords<DocumentInfo>(d, folder, id, [](const DocumentInfo &record) { return record.path; });
}

void exportChatAttachments(RecoverNatManagerPrivate *d, const QString &folder, const QString &, int id)
{
    const QMap<int, QList<QVariant>> map = DeviceParser::instance()->sessionMap(id);
    if (map.isEmpty() || !d->ensureFolder(folder))
        return;
    for (int kind : {ImageKind, VideoKind, AudioKind, OtherKind})
        d->ensureFolder(folder + '/' + subFolderOf(kind));
    CopyProxy *proxy = CopyProxy::instance();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString target = folder + '/' + subFolderOf(it.key()) + '/';
        const bool media = it.key() == VideoKind || it.key() == ImageKind;
        for (const QVariant &value : it.value()) {
            if (!d->running)
                break;
            if (checkState(value) != 2)
                continue;
            if (media) {
                const MediaInfo record = value.value<MediaInfo>();
                proxy->addTask(record.path, target + safeFileName(record.name));
            } else {
                const DocumentInfo record = value.value<DocumentInfo>();
                proxy->addTask(record.path, target + safeFileName(record.name));
            }
        }
    }
}
}
