#include "tabledatawriters.h"

#include "devicedata.h"
#include "exportpages.h"
#include "exportsink.h"
#include "linksfilewriter.h"
#include "recordaccess.h"
#include "recoverascsv.h"
#include "recoverasvcf.h"
#include "tablerow.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace DeviceData;

namespace {

QString headerText(const char *context, std::initializer_list<const char *> labels)
{
    QStringList names;
    for (const char *label : labels)
        names << QCoreApplication::translate(context, label);
    return names.join('|');
}

void countRecord()
{
    ExportSink *sink = ExportSink::current();
    sink->increaseSucceeded();
    sink->increaseProcessed();
}

// The attachments' names, one a line, and their copies queued; "local_path"
// ends as the last one's.
QString addAttachments(const QString &folder, const QList<MediaInfo> &attachments, TableRow &row)
{
    QString appendix;
    for (const MediaInfo &media : attachments) {
        if (ExportPages::addAttachment(folder, media.path, row, media.name))
            ExportSink::current()->increaseTotal();
        appendix += media.name + '\n';
    }
    return appendix;
}

// Walks the checked records of type T; make(record, id) gives the row or,
// returning an empty object, nothing.
template <typename T, typename Make>
void writeTable(const QVariantList &records, TableRowSink &table, const std::atomic<bool> &running,
                const QString &header, Make make)
{
    // The heading does not depend on the rows; a streamed file needs it first.
    table.setHeader(header);
    int rows = 0;
    for (const QVariant &entry : records) {
        if (DeviceData::checkState(entry) != 2)
            continue;
        if (!running.load())
            break;
        table.addRow(make(entry.value<T>(), rows++));
        countRecord();
    }
}

class ArraySink : public TableRowSink
{
public:
    explicit ArraySink(QJsonArray &array) : m_array(array) {}
    void setHeader(const QString &) override {}
    void addRow(const QJsonObject &row) override { m_array.append(row); }

private:
    QJsonArray &m_array;
};

struct CallTypes
{
    // Translated once per table, not per row.
    QString outgoing = QObject::tr("Outgoing Call");
    QString incoming = QObject::tr("Incoming Call");
};

TableRow callRow(const CHFTInfo &call, int id, const CallTypes &types)
{
    TableRow row;
    row.insert("id", id);
    row.insert("name", call.displayName);
    row.insert("number", call.value);
    row.insert("stat_time", call.dateText);
    row.insert("category", call.originated != 0 ? types.outgoing : types.incoming);
    row.insert("allTime", call.durationText);
    return row;
}

QString callHeader()
{
    return headerText("FaceTimeCallHistorModel", {QT_TRANSLATE_NOOP("FaceTimeCallHistorModel", "Name"),
                                                  QT_TRANSLATE_NOOP("FaceTimeCallHistorModel", "Phone Number"),
                                                  QT_TRANSLATE_NOOP("FaceTimeCallHistorModel", "Date"),
                                                  QT_TRANSLATE_NOOP("FaceTimeCallHistorModel", "Call Type"),
                                                  QT_TRANSLATE_NOOP("FaceTimeCallHistorModel", "Duration")});
}

QString priorityText(quint16 priority)
{
    switch (priority) {
    case 1: return QObject::tr("High");
    case 5: return QObject::tr("Middle");
    case 9: return QObject::tr("Low");
    default: return QObject::tr("None");
    }
}

QJsonObject field(const QString &caption, const QString &value)
{
    QJsonObject object;
    object.insert(QStringLiteral("server"), QStringLiteral("HEADER"));
    object.insert(QStringLiteral("translate"), caption);
    object.insert(QStringLiteral("value"), value);
    return object;
}

QJsonObject field(const char *caption, const QString &value)
{
    return field(QObject::tr(caption), value);
}

} // namespace

void TableDataWriters::writeCalendarsTable(const QString &folder, const QVariantList &records, TableRowSink &table,
                                           RecoverAsCsv &csv, const std::atomic<bool> &running)
{
    const char *ctx = "calendarsRemindersView";
    writeTable<CalenderReminderInfo>(records, table, running,
               headerText(ctx, {QT_TRANSLATE_NOOP("calendarsRemindersView", "Title"),
                                QT_TRANSLATE_NOOP("calendarsRemindersView", "Starts"),
                                QT_TRANSLATE_NOOP("calendarsRemindersView", "Ends"),
                                QT_TRANSLATE_NOOP("calendarsRemindersView", "Notes"),
                                QT_TRANSLATE_NOOP("calendarsRemindersView", "Attachments")}),
               [&](const CalenderReminderInfo &event, int id) {
                   TableRow row;
                   row.insert("id", id);
                   row.insert("title", event.title);
                   row.insert("start_time", event.startText);
                   row.insert("end_time", event.endText);
                   row.insert("remark", event.notes);
                   const QString appendix = addAttachments(folder, event.attachments, row);
                   row.insert("appendix", appendix);
                   csv.writeCalendarRow(event, appendix);
                   return row;
               });
}

void TableDataWriters::writeRemindersTable(const QString &folder, const QVariantList &records, TableRowSink &table,
                                           RecoverAsCsv &csv, const std::atomic<bool> &running)
{
    const char *ctx = "calendarsRemindersView";
    writeTable<CalenderReminderInfo>(records, table, running,
               headerText(ctx, {QT_TRANSLATE_NOOP("calendarsRemindersView", "Title"),
                                QT_TRANSLATE_NOOP("calendarsRemindersView", "Creation Date"),
                                QT_TRANSLATE_NOOP("calendarsRemindersView", "Reminder Date"),
                                QT_TRANSLATE_NOOP("calendarsRemindersView", "Notes"),
                                QT_TRANSLATE_NOOP("calendarsRemindersView", "Location"),
                                QT_TRANSLATE_NOOP("calendarsRemindersView", "Attachments")}),
               [&](const CalenderReminderInfo &reminder, int id) {
                   TableRow row;
                   row.insert("id", id);
                   row.insert("title", reminder.title);
                   row.insert("create_time", reminder.startText);
                   row.insert("remind_time", reminder.endText);
                   row.insert("remark", reminder.notes);
                   row.insert("address", reminder.location);
                   row.insert("list", reminder.listName);
                   row.insert("status", reminder.completed != 0 ? QObject::tr("Completed")
                                                                                 : QObject::tr("Unfinished"));
                   row.insert("priority", priorityText(reminder.priority));
                   row.insert("url", reminder.url);
                   const QString appendix = addAttachments(folder, reminder.attachments, row);
                   row.insert("appendix", appendix);
                   csv.writeReminderRow(reminder, appendix);
                   return row;
               });
}

void TableDataWriters::writeCallHistoryTable(const QString &, const QVariantList &records, TableRowSink &table,
                                             RecoverAsCsv &csv, const std::atomic<bool> &running)
{
    const CallTypes types;
    writeTable<CHFTInfo>(records, table, running, callHeader(), [&](const CHFTInfo &call, int id) {
        csv.writeCallHistoryRow(call);
        return callRow(call, id, types);
    });
}

void TableDataWriters::writeFaceTimeTable(const QString &, const QVariantList &records, TableRowSink &table,
                                          RecoverAsCsv &csv, const std::atomic<bool> &running)
{
    const CallTypes types;
    writeTable<CHFTInfo>(records, table, running, callHeader(), [&](const CHFTInfo &call, int id) {
        csv.writeFaceTimeRow(call);
        return callRow(call, id, types);
    });
}

void TableDataWriters::writeNotesTable(const QString &folder, const QVariantList &records, TableRowSink &table,
                                       RecoverAsCsv &csv, const std::atomic<bool> &running)
{
    const QString date = QObject::tr("Date");
    const QString header = QStringLiteral("%1|%2|%3|%4")
                               .arg(QCoreApplication::translate("MemoView", "Title"), date,
                                    QCoreApplication::translate("MemoView", "Content"),
                                    QCoreApplication::translate("MemoView", "Attachments"));
    writeTable<NotesInfo>(records, table, running, header, [&](const NotesInfo &note, int id) {
        TableRow row;
        row.insert("id", id);
        row.insert("title", note.title);
        row.insert("time", note.createdText);
        row.insert("content", note.body);
        const QString appendix = addAttachments(folder, note.attachments, row);
        row.insert("appendix", appendix);
        csv.writeNoteRow(note, appendix);
        return row;
    });
}

void TableDataWriters::writeSafariBookmarksTable(const QString &, const QVariantList &records, TableRowSink &table,
                                                 RecoverAsCsv &csv, const std::atomic<bool> &running)
{
    writeTable<SafariInfo>(records, table, running,
               headerText("SafariModel", {QT_TRANSLATE_NOOP("SafariModel", "Title"),
                                          QT_TRANSLATE_NOOP("SafariModel", "Category"),
                                          QT_TRANSLATE_NOOP("SafariModel", "URL")}),
               [&](const SafariInfo &item, int id) {
                   csv.writeSafariBookmarkRow(item);
                   TableRow row;
                   row.insert("id", id);
                   row.insert("title", item.title);
                   row.insert("link_url", item.url);
                   row.insert("time", item.timeText);
                   row.insert("category", item.text3);
                   return row;
               });
}

void TableDataWriters::writeSafariHistoryTable(const QString &, const QVariantList &records, TableRowSink &table,
                                               RecoverAsCsv &csv, const std::atomic<bool> &running)
{
    writeTable<SafariInfo>(records, table, running,
               headerText("SafariModel", {QT_TRANSLATE_NOOP("SafariModel", "Title"),
                                          QT_TRANSLATE_NOOP("SafariModel", "URL"),
                                          QT_TRANSLATE_NOOP("SafariModel", "Date")}),
               [&](const SafariInfo &item, int id) {
                   csv.writeSafariHistoryRow(item);
                   TableRow row;
                   row.insert("id", id);
                   row.insert("title", item.title);
                   row.insert("link_url", item.url);
                   row.insert("time", item.timeText);
                   return row;
               });
}

void TableDataWriters::writeVoiceMemosTable(const QString &folder, const QVariantList &records, TableRowSink &table,
                                            const std::atomic<bool> &running)
{
    writeTable<VMMInfo>(records, table, running,
               headerText("VoiceMailMemoModel", {QT_TRANSLATE_NOOP("VoiceMailMemoModel", "memoName"),
                                                 QT_TRANSLATE_NOOP("VoiceMailMemoModel", "Date"),
                                                 QT_TRANSLATE_NOOP("VoiceMailMemoModel", "Duration"),
                                                 QT_TRANSLATE_NOOP("VoiceMailMemoModel", "Size")}),
               [&](const VMMInfo &memo, int id) {
                   TableRow row;
                   row.insert("id", id);
                   row.insert("name", memo.title);
                   row.insert("time", memo.dateText);
                   row.insert("duration", memo.durationText);
                   row.insert("size", memo.sizeText);
                   // A memo's file is named after the memo; keep its suffix.
                   QString name = memo.title;
                   const QString suffix = QFileInfo(memo.path).suffix();
                   if (!suffix.isEmpty() && !name.endsWith('.' + suffix, Qt::CaseInsensitive))
                       name += '.' + suffix;
                   if (ExportPages::addAttachment(folder, memo.path, row, name))
                       ExportSink::current()->increaseTotal();
                   return row;
               });
}

void TableDataWriters::writeVoicemailsTable(const QString &folder, const QVariantList &records, TableRowSink &table,
                                            const std::atomic<bool> &running)
{
    writeTable<VMMInfo>(records, table, running,
               headerText("VoiceMailMemoModel", {QT_TRANSLATE_NOOP("VoiceMailMemoModel", "mailName"),
                                                 QT_TRANSLATE_NOOP("VoiceMailMemoModel", "Number"),
                                                 QT_TRANSLATE_NOOP("VoiceMailMemoModel", "Date"),
                                                 QT_TRANSLATE_NOOP("VoiceMailMemoModel", "Duration")}),
               [&](const VMMInfo &mail, int id) {
                   TableRow row;
                   row.insert("id", id);
                   row.insert("name", mail.title);
                   row.insert("number", mail.sender);
                   row.insert("time", mail.dateText);
                   row.insert("duration", mail.durationText);
                   row.insert("size", mail.sizeText);
                   if (ExportPages::addAttachment(folder, mail.path, row, QString()))
                       ExportSink::current()->increaseTotal();
                   return row;
               });
}

void TableDataWriters::writeContactsTable(const QString &folder, const QVariantList &records, TableRowSink &contacts,
                                          RecoverAsCsv &csv, RecoverAsVcf &vcf, const std::atomic<bool> &running)
{
    struct Kind
    {
        LabelledValues ContactInfo::*list;
        const char *server;
        QString (*label)(const QString &);
    };
    static const Kind kinds[] = {
        {&ContactInfo::phones, "PHONE", phoneLabelName},
        {&ContactInfo::emails, "EMAIL", emailLabelName},
        {&ContactInfo::urls, "URL", urlLabelName},
        {&ContactInfo::addresses, "ADDRESS", addressLabelName},
        {&ContactInfo::dates, "DATE", dateLabelName},
        {&ContactInfo::relatedNames, "RELATION", relationLabelName},
        {&ContactInfo::socialProfiles, "SOCIALDATA", socialLabelName},
        {&ContactInfo::instantMessaging, "IM", imLabelName},
    };
    int exported = 0;
    for (const QVariant &entry : records) {
        if (DeviceData::checkState(entry) != 2)
            continue;
        const ContactInfo contact = entry.value<ContactInfo>();
        if (!running.load())
            return;
        countRecord();
        csv.writeContactRow(contact);
        vcf.vcardFromContact(contact);

        QJsonObject object;
        object.insert(QStringLiteral("firstname"), field(QT_TRANSLATE_NOOP("QObject", "First name"), contact.firstName));
        object.insert(QStringLiteral("middlename"), field(QT_TRANSLATE_NOOP("QObject", "Middle name"), contact.middleName));
        object.insert(QStringLiteral("lastname"), field(QT_TRANSLATE_NOOP("QObject", "Last name"), contact.lastName));
        object.insert(QStringLiteral("organization"), field(QT_TRANSLATE_NOOP("QObject", "Company"), contact.organization));
        object.insert(QStringLiteral("department"), field(QT_TRANSLATE_NOOP("QObject", "Department"), contact.department));
        object.insert(QStringLiteral("notes"), field(QObject::tr("Notes", "a contact's note"), contact.note));
        object.insert(QStringLiteral("birthday"), field(QT_TRANSLATE_NOOP("QObject", "Birthday"), contact.birthday));
        object.insert(QStringLiteral("jobTitle"), field(QT_TRANSLATE_NOOP("QObject", "Job Title"), contact.jobTitle));
        object.insert(QStringLiteral("nickName"), field(QT_TRANSLATE_NOOP("QObject", "Nickname"), contact.nickname));

        // A photo that cannot be copied would be a broken picture: the
        // default one stands in.
        if (!ExportPages::copyAttachment(folder, contact.photoPath, object, QStringLiteral("avatar")))
            object.insert(QStringLiteral("avatar"), QStringLiteral("resource/ATIcon/defult-user.png"));
        object.insert(QStringLiteral("id"), ++exported);

        QJsonArray items;
        for (const Kind &kind : kinds) {
            for (const auto &pair : contact.*(kind.list)) {
                QJsonObject item;
                item.insert(QStringLiteral("server"), QLatin1String(kind.server));
                item.insert(QStringLiteral("label"), kind.label(pair.first));
                item.insert(QStringLiteral("value"), pair.second);
                items.append(item);
            }
        }
        object.insert(QStringLiteral("items"), items);
        contacts.addRow(object);
    }
}

// The in-memory forms: the table object, or the contacts array.
#define TABLE_OBJECT_FORM(name)                                                                                  \
    void TableDataWriters::name(const QString &folder, const QVariantList &records, QJsonObject &table,          \
                                RecoverAsCsv &csv, const std::atomic<bool> &running)                             \
    {                                                                                                            \
        TableObjectSink sink(table);                                                                             \
        name(folder, records, sink, csv, running);                                                               \
    }
TABLE_OBJECT_FORM(writeCalendarsTable)
TABLE_OBJECT_FORM(writeRemindersTable)
TABLE_OBJECT_FORM(writeCallHistoryTable)
TABLE_OBJECT_FORM(writeFaceTimeTable)
TABLE_OBJECT_FORM(writeNotesTable)
TABLE_OBJECT_FORM(writeSafariBookmarksTable)
TABLE_OBJECT_FORM(writeSafariHistoryTable)
#undef TABLE_OBJECT_FORM

void TableDataWriters::writeVoiceMemosTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                                            const std::atomic<bool> &running)
{
    TableObjectSink sink(table);
    writeVoiceMemosTable(folder, records, sink, running);
}

void TableDataWriters::writeVoicemailsTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                                            const std::atomic<bool> &running)
{
    TableObjectSink sink(table);
    writeVoicemailsTable(folder, records, sink, running);
}

void TableDataWriters::writeContactsTable(const QString &folder, const QVariantList &records, QJsonArray &contacts,
                                          RecoverAsCsv &csv, RecoverAsVcf &vcf, const std::atomic<bool> &running)
{
    ArraySink sink(contacts);
    writeContactsTable(folder, records, sink, csv, vcf, running);
}
