#include "tableexportjob.h"

#include "devicedata.h"
#include "exportpages.h"
#include "fileutils.h"
#include "linksfilewriter.h"
#include "recoverascsv.h"
#include "recoverasvcf.h"
#include "tabledatawriters.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QScopedPointer>

using namespace DeviceData;

namespace {

using TableWriter = void (*)(const QString &, const QVariantList &, TableRowSink &, RecoverAsCsv &,
                             const std::atomic<bool> &);
using VoiceWriter = void (*)(const QString &, const QVariantList &, TableRowSink &, const std::atomic<bool> &);
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

const QString LinksPrefix = QStringLiteral("window.links_dict=");

// links.js is written by the writer as it goes; then the page header and
// the page.
void writePageFiles(const QString &folder, const QString &name, int category)
{
    ExportPages::writeHeaderFile(folder + QStringLiteral("/json"), name, name, category,
                                 QStringLiteral("links-common.js"), QStringLiteral("window.links_common="),
                                 QString(), QString());
    ExportPages::writeHtmlPage(folder, name, category, QString());
}

LinksFileWriter *linksFile(const QString &folder, LinksFileWriter::Form form)
{
    return new LinksFileWriter(folder + QStringLiteral("/json"), QStringLiteral("links.js"), LinksPrefix.toUtf8(),
                               form);
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
        QScopedPointer<LinksFileWriter> links(linksFile(folder, LinksFileWriter::TableForm));
        writer(folder, records, *links, running);
        links->finish();
        writePageFiles(folder, name, category);
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
        QScopedPointer<LinksFileWriter> links(linksFile(folder, LinksFileWriter::ListForm));
        TableDataWriters::writeContactsTable(folder, records, *links, csv, vcf, running);
        links->finish();
        writePageFiles(folder, name, category);
        vcf.close();
        csv.close();
        return;
    }

    const TableKind *kind = tableKind(category);
    if (csvOpen)
        (csv.*(kind->header))();
    QScopedPointer<LinksFileWriter> links(linksFile(folder, LinksFileWriter::TableForm));
    kind->writer(folder, records, *links, csv, running);
    links->finish();
    writePageFiles(folder, name, category);
    csv.close();
}
