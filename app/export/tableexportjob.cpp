#include "tableexportjob.h"

#include "devicedata.h"
#include "exportpages.h"
#include "fileutils.h"
#include "recoverascsv.h"
#include "recoverasvcf.h"
#include "tabledatawriters.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

using namespace DeviceData;

namespace {

using TableWriter = void (*)(const QString &, const QVariantList &, QJsonObject &, RecoverAsCsv &,
                             const std::atomic<bool> &);
using VoiceWriter = void (*)(const QString &, const QVariantList &, QJsonObject &, const std::atomic<bool> &);
using HeaderWriter = bool (RecoverAsCsv::*)();

struct TableKind
{
    int category;
    HeaderWriter header;
    TableWriter writer;
};

const TableKind tableKinds[] = {
    {CallHistory, &RecoverAsCsv::writeCallHistoryHeader, TableDataWriters::writeCallHistoryTable},
    {FaceTime, &RecoverAsCsv::writeFaceTimeHeader, TableDataWriters::writeFaceTimeTable},
    {Notes, &RecoverAsCsv::writeNotesHeader, TableDataWriters::writeNotesTable},
    {Calendars, &RecoverAsCsv::writeCalendarsHeader, TableDataWriters::writeCalendarsTable},
    {Reminders, &RecoverAsCsv::writeRemindersHeader, TableDataWriters::writeRemindersTable},
    {SafariBookmarks, &RecoverAsCsv::writeSafariBookmarksHeader, TableDataWriters::writeSafariBookmarksTable},
    {SafariHistory, &RecoverAsCsv::writeSafariHistoryHeader, TableDataWriters::writeSafariHistoryTable},
};

const TableKind *tableKind(int category)
{
    for (const TableKind &kind : tableKinds) {
        if (kind.category == category)
            return &kind;
    }
    return nullptr;
}

VoiceWriter voiceWriter(int category)
{
    if (category == VoiceMemos)
        return TableDataWriters::writeVoiceMemosTable;
    if (category == Voicemails)
        return TableDataWriters::writeVoicemailsTable;
    return nullptr;
}

void writePageFiles(const QString &folder, const QString &name, int category, const QJsonValue &links)
{
    const QString json = folder + QStringLiteral("/json");
    const QString prefix = QStringLiteral("window.links_dict=");
    if (links.isArray())
        ExportPages::writeJsonArrayFile(json, links.toArray(), QStringLiteral("links.js"), prefix);
    else
        ExportPages::writeJsonObjectFile(json, links.toObject(), QStringLiteral("links.js"), prefix);
    ExportPages::writeHeaderFile(json, name, name, category, QStringLiteral("links-common.js"),
                                 QStringLiteral("window.links_common="), QString(), QString());
    ExportPages::writeHtmlPage(folder, name, category, QString());
}

} // namespace

bool TableExportJob::handles(int category)
{
    return category == Contacts || tableKind(category) || voiceWriter(category);
}

void TableExportJob::run(const QString &folder, const QString &name, int category, const QVariantList &records,
                         const std::atomic<bool> &running, const QString &applicationFolder,
                         const ErrorHandler &onError)
{
    if (records.isEmpty() || !handles(category))
        return;
    QDir().mkpath(folder);

    if (category == Contacts || voiceWriter(category))
        QDir().mkpath(folder + QStringLiteral("/resource/Attachment"));
    if (category == Contacts)
        copyDirectory(applicationFolder + QStringLiteral("/ATIcon"), folder + QStringLiteral("/resource/ATIcon"),
                      false);
    copyDirectory(applicationFolder + QStringLiteral("/assets"), folder + QStringLiteral("/assets"), false);

    if (const VoiceWriter writer = voiceWriter(category)) {
        QJsonObject table;
        writer(folder, records, table, running);
        writePageFiles(folder, name, category, table);
        return;
    }

    RecoverAsCsv csv;
    if (onError)
        QObject::connect(&csv, &RecoverAsCsv::sigError, onError);
    const QString csvName = category == SafariBookmarks ? QStringLiteral("SafariBookmarks") : name;
    const bool csvOpen = csv.open(QStringLiteral("%1/%2.csv").arg(folder, csvName));

    if (category == Contacts) {
        RecoverAsVcf vcf;
        if (onError)
            QObject::connect(&vcf, &RecoverAsVcf::sigError, onError);
        if (csvOpen)
            csv.writeContactsHeader(records);
        vcf.open(QStringLiteral("%1/%2.vcf").arg(folder, name));
        QJsonArray contacts;
        TableDataWriters::writeContactsTable(folder, records, contacts, csv, vcf, running);
        writePageFiles(folder, name, category, contacts);
        vcf.close();
        csv.close();
        return;
    }

    const TableKind *kind = tableKind(category);
    if (csvOpen)
        (csv.*(kind->header))();
    QJsonObject table;
    kind->writer(folder, records, table, csv, running);
    writePageFiles(folder, name, category, table);
    csv.close();
}
