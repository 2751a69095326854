#include "chatexportjobs.h"

#include "chatdatafiles.h"
#include "chatpages.h"
#include "deviceparser.h"
#include "exportjobs.h"
#include "exportpages.h"
#include "fileutils.h"
#include "recovernatmanager_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QObject>

namespace {

ChatExportJobs::OwnerNumberProvider s_ownerNumber;

// The common start of a chat job: the folder, its icons and the viewer's
// assets. False when there is nothing to write.
bool prepareChatFolder(RecoverNatManagerPrivate *d, const QString &folder, const QList<QVariant> &list)
{
    if (list.isEmpty() || !d->ensureFolder(folder))
        return false;
    initChatPageResources();
    ExportJobs::installManagerSink();
    QDir().mkpath(folder + QStringLiteral("/resource/Attachment"));
    const QString app = QCoreApplication::applicationDirPath();
    copyDirectory(app + QStringLiteral("/ATIcon"), folder + QStringLiteral("/resource/ATIcon"), false);
    copyDirectory(app + QStringLiteral("/assets"), folder + QStringLiteral("/assets"), false);
    return true;
}

// The manager lives in the GUI thread: a data file's error reaches it queued.
void reportError(RecoverNatManagerPrivate *d, RecoverError::ErrorType error)
{
    if (error != RecoverError::NoError)
        QMetaObject::invokeMethod(d->q, "slotError", Qt::QueuedConnection, Q_ARG(RecoverError::ErrorType, error));
}

} // namespace

namespace ChatExportJobs {

void setOwnerNumberProvider(OwnerNumberProvider provider)
{
    s_ownerNumber = std::move(provider);
}

void exportMessages(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id)
{
    const QList<QVariant> list = DeviceParser::instance()->records(DeviceData::DeviceGroup, id);
    if (!prepareChatFolder(d, folder, list))
        return;
    reportError(d, writeSmsDataFile(folder, list, d->running));
    ExportPages::writeHeaderFile(QStringLiteral("%1/json").arg(folder),
                                 QObject::tr("%1's Messages").arg(d->sourceName), name, id,
                                 QStringLiteral("common.js"), QStringLiteral("window.common = "), QString(),
                                 QString());
    ExportPages::writeHtmlPage(folder, QObject::tr("Messages"), id, QString());
}

void exportLine(RecoverNatManagerPrivate *d, const QString &folder, const QString &, int id)
{
    const QList<QVariant> list = DeviceParser::instance()->records(DeviceData::DeviceGroup, id);
    if (!prepareChatFolder(d, folder, list))
        return;
    reportError(d, writeLineDataFiles(folder, d->sourceName, list, d->running));
}

void exportWhatsApp(RecoverNatManagerPrivate *d, const QString &folder, const QString &, int id)
{
    const QList<QVariant> list = DeviceParser::instance()->records(DeviceData::DeviceGroup, id);
    if (!prepareChatFolder(d, folder, list))
        return;
    reportError(d, writeWhatsAppDataFiles(folder, s_ownerNumber ? s_ownerNumber() : QString(), list, d->running));
}

} // namespace ChatExportJobs
