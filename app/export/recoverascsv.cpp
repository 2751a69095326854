#include "recoverascsv.h"

#include "devicedata.h"
#include "exporttextfile.h"
#include "fileutils.h"
#include "recordaccess.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

struct LabelEntry
{
    const char *label;
    const char *name;
};

// Looks a raw label up in a table sorted by label; the first label the raw
// one begins with (ignoring case) gives the name.
QString labelName(const QString &label, const LabelEntry *entries, int count, const char *fallback)
{
    for (int i = 0; i < count; ++i) {
        if (label.startsWith(QLatin1String(entries[i].label), Qt::CaseInsensitive))
            return QCoreApplication::translate("RecoverAsCsv", entries[i].name);
    }
    static const QRegularExpression marked(QStringLiteral("\\A_\\$!<(.*)>!\\$_\\z"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = marked.match(label);
    if (match.hasMatch()) {
        const QString word = match.captured(1);
        return word.isEmpty() ? QCoreApplication::translate("RecoverAsCsv", fallback) : word;
    }
    return label.isEmpty() ? QCoreApplication::translate("RecoverAsCsv", fallback) : label;
}

template <int N>
QString lookUp(const QString &label, const LabelEntry (&entries)[N], const char *fallback)
{
    return labelName(label, entries, N, fallback);
}

// Each table is in ascending code-unit order of its labels.
const LabelEntry phoneLabels[] = {
    {"Apple Watch", QT_TRANSLATE_NOOP("RecoverAsCsv", "Apple Watch number")},
    {"_$!<Apple Watch>!$_", "Apple Watch number"},
    {"_$!<Home>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Home Number")},
    {"_$!<HomeFax>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Home Fax Number")},
    {"_$!<Main>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Main Number")},
    {"_$!<Mobile>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Mobile Number")},
    {"_$!<Pager>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Pager Number")},
    {"_$!<School>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "School Number")},
    {"_$!<Work>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Work Number")},
    {"_$!<WorkFax>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Work Fax Number")},
    {"_$!<iPhone>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "iPhone Number")},
    {"iPhone", "iPhone Number"},
};

const LabelEntry emailLabels[] = {
    {"_$!<Home>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Home Email")},
    {"_$!<School>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "School Email")},
    {"_$!<Work>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Work Email")},
    {"_$!<iCloud>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "iCloud Email")},
};

const LabelEntry urlLabels[] = {
    {"_$!<Home>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Home URL")},
    {"_$!<Homepage>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Homepage")},
    {"_$!<School>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "School URL")},
    {"_$!<Work>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Work URL")},
};

const LabelEntry addressLabels[] = {
    {"_$!<Home>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Home Address")},
    {"_$!<School>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "School Address")},
    {"_$!<Work>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Work Address")},
};

const LabelEntry dateLabels[] = {
    {"_$!<Anniversary>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Anniversary")},
    {"_$!<Birthday>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Birthday")},
    {"_$!<Chinese>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Chinese Birthdays")},
};

const LabelEntry relationLabels[] = {
    {"_$!<Brother>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Brother")},
    {"_$!<Colleague>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Co-worker")},
    {"_$!<Daughter>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Daughter")},
    {"_$!<ElderBrother>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Elder Brother")},
    {"_$!<ElderSister>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Elder Sister")},
    {"_$!<Father>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Father")},
    {"_$!<Friend>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Friend")},
    {"_$!<Husband>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Husband")},
    {"_$!<Mother>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Mother")},
    {"_$!<Partner>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Partner")},
    {"_$!<Sister>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Sister")},
    {"_$!<Son>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Son")},
    {"_$!<Supervisor>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Supervisor")},
    {"_$!<Wife>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Wife")},
    {"_$!<YoungerBrother>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Younger Brother")},
    {"_$!<YoungerSister>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Younger Sister")},
};

const LabelEntry socialLabels[] = {
    {"Facebook", QT_TRANSLATE_NOOP("RecoverAsCsv", "Facebook")},
    {"Flickr", QT_TRANSLATE_NOOP("RecoverAsCsv", "Flickr")},
    {"LinkedIn", QT_TRANSLATE_NOOP("RecoverAsCsv", "LinkedIn")},
    {"Myspace", QT_TRANSLATE_NOOP("RecoverAsCsv", "Myspace")},
    {"SinaWeibo", QT_TRANSLATE_NOOP("RecoverAsCsv", "Sina Weibo")},
    {"Twitter", QT_TRANSLATE_NOOP("RecoverAsCsv", "Twitter")},
    {"_$!<Facebook>!$_", "Facebook"},
    {"_$!<Flickr>!$_", "Flickr"},
    {"_$!<LinkedIn>!$_", "LinkedIn"},
    {"_$!<Myspace>!$_", "Myspace"},
    {"_$!<SinaWeibo>!$_", "Sina Weibo"},
    {"_$!<Twitter>!$_", "Twitter"},
};

const LabelEntry imLabels[] = {
    {"_$!<AIM>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "AIM")},
    {"_$!<Facebook>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Facebook Messenger")},
    {"_$!<GaduGadu>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Gadu-Gadu")},
    {"_$!<GoogleTalk>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Google Talk")},
    {"_$!<ICQ>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "ICQ")},
    {"_$!<Jabber>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Jabber")},
    {"_$!<MSN>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "MSN Messenger")},
    {"_$!<QQ>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "QQ")},
    {"_$!<Skype>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Skype")},
    {"_$!<Yahoo>!$_", QT_TRANSLATE_NOOP("RecoverAsCsv", "Yahoo! Messenger")},
};

using LabelFunction = QString (*)(const QString &);

struct LabelGroup
{
    DeviceData::LabelledValues DeviceData::ContactInfo::*list;
    LabelFunction name;
    bool isAddress;
};

const LabelGroup labelGroups[] = {
    {&DeviceData::ContactInfo::phones, phoneLabelName, false},
    {&DeviceData::ContactInfo::emails, emailLabelName, false},
    {&DeviceData::ContactInfo::urls, urlLabelName, false},
    {&DeviceData::ContactInfo::addresses, addressLabelName, true},
    {&DeviceData::ContactInfo::dates, dateLabelName, false},
    {&DeviceData::ContactInfo::relatedNames, relationLabelName, false},
    {&DeviceData::ContactInfo::socialProfiles, socialLabelName, false},
    {&DeviceData::ContactInfo::instantMessaging, imLabelName, false},
};

// The column names of one list of a contact, repeats numbered.
QStringList groupNames(const DeviceData::LabelledValues &entries, LabelFunction name)
{
    QStringList names;
    names.reserve(entries.size());
    for (const auto &entry : entries)
        names << name(entry.first);
    makeNamesUnique(names);
    return names;
}

bool isNumberTail(QChar c)
{
    return c.isDigit() || c == ' ' || c == '(' || c == ')' || c == '.' || c == '/' || c == '+' || c == '-';
}

} // namespace

QString phoneLabelName(const QString &label)
{
    return lookUp(label, phoneLabels, QT_TRANSLATE_NOOP("RecoverAsCsv", "Other Number"));
}

QString emailLabelName(const QString &label)
{
    return lookUp(label, emailLabels, QT_TRANSLATE_NOOP("RecoverAsCsv", "Other Email"));
}

QString urlLabelName(const QString &label)
{
    return lookUp(label, urlLabels, QT_TRANSLATE_NOOP("RecoverAsCsv", "Other URL"));
}

QString addressLabelName(const QString &label)
{
    return lookUp(label, addressLabels, QT_TRANSLATE_NOOP("RecoverAsCsv", "Other Address"));
}

QString dateLabelName(const QString &label)
{
    return lookUp(label, dateLabels, QT_TRANSLATE_NOOP("RecoverAsCsv", "Other dates"));
}

QString relationLabelName(const QString &label)
{
    return lookUp(label, relationLabels, QT_TRANSLATE_NOOP("RecoverAsCsv", "Other relationships"));
}

QString socialLabelName(const QString &label)
{
    return lookUp(label, socialLabels, QT_TRANSLATE_NOOP("RecoverAsCsv", "Other social profile"));
}

QString imLabelName(const QString &label)
{
    return lookUp(label, imLabels, QT_TRANSLATE_NOOP("RecoverAsCsv", "Other instant message"));
}

QString guardSpreadsheetCell(const QString &text)
{
    if (text.isEmpty())
        return text;
    const QChar first = text.at(0);
    bool risky = first == '=' || first == '@' || first == '\t' || first == '\r' || first == '\n';
    if (first == '+' || first == '-')
        risky = !std::all_of(text.begin() + 1, text.end(), isNumberTail);
    return risky ? QLatin1Char('\'') + text : text;
}

class RecoverAsCsvPrivate
{
public:
    explicit RecoverAsCsvPrivate(RecoverAsCsv *owner) : q(owner) {}

    bool checkStream()
    {
        const RecoverError::ErrorType error = file.writeError();
        if (error == RecoverError::NoError)
            return true;
        emit q->sigError(error);
        return false;
    }

    RecoverAsCsv *q;
    ExportTextFile file;
    QStringList columns;
    QHash<QString, int> columnIndex;
    // Translated at open, not per row.
    QString outgoingCall;
    QString incomingCall;
};

RecoverAsCsv::RecoverAsCsv(QObject *parent) : QObject(parent), d(new RecoverAsCsvPrivate(this)) {}

RecoverAsCsv::~RecoverAsCsv()
{
    close();
}

bool RecoverAsCsv::open(const QString &path)
{
    RecoverError::ErrorType error = RecoverError::NoError;
    if (d->file.open(path, error)) {
        d->outgoingCall = QCoreApplication::translate("QObject", "Outgoing Call");
        d->incomingCall = QCoreApplication::translate("QObject", "Incoming Call");
        return true;
    }
    emit sigError(error);
    return false;
}

void RecoverAsCsv::close()
{
    const RecoverError::ErrorType error = d->file.close();
    if (error != RecoverError::NoError)
        emit sigError(error);
}

bool RecoverAsCsv::writeRow(const QStringList &fields)
{
    if (fields.isEmpty())
        return true;
    if (!d->file.isOpen())
        return false;
    QString line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i)
            line += ',';
        QString cell = guardSpreadsheetCell(fields.at(i));
        cell.replace('"', QLatin1String("\"\""));
        line += '"';
        line += cell;
        line += '"';
    }
    line += QLatin1String("\r\n");
    d->file.stream() << line;
    return d->checkStream();
}

bool RecoverAsCsv::writeCalendarsHeader()
{
    return writeRow({tr("Title"), tr("Starts"), tr("Ends"), tr("Notes"), tr("Attachments")});
}

bool RecoverAsCsv::writeCallHistoryHeader()
{
    return writeRow({tr("Name"), tr("Number"), tr("Date"), tr("Call Type"), tr("Duration")});
}

bool RecoverAsCsv::writeFaceTimeHeader()
{
    return writeCallHistoryHeader();
}

bool RecoverAsCsv::writeNotesHeader()
{
    return writeRow({tr("Title"), tr("Date"), tr("Content"), tr("Attachments")});
}

bool RecoverAsCsv::writeRemindersHeader()
{
    return writeRow(
        {tr("Title"), tr("Creation Date"), tr("Reminder Date"), tr("Notes"), tr("Location"), tr("Attachments")});
}

bool RecoverAsCsv::writeSafariBookmarksHeader()
{
    return writeRow({tr("Title"), tr("Category"), tr("URL")});
}

bool RecoverAsCsv::writeSafariHistoryHeader()
{
    return writeRow({tr("Title"), tr("URL"), tr("Date")});
}

bool RecoverAsCsv::writeContactsHeader(const QVariantList &contacts)
{
    QStringList header {tr("First name"), tr("Middle name"), tr("Last name"), tr("Company"),
                        tr("Department"), tr("Job Title"), tr("Nickname")};
    constexpr int groupCount = int(sizeof(labelGroups) / sizeof(labelGroups[0]));
    QSet<QString> names[groupCount];
    for (const QVariant &entry : contacts) {
        if (DeviceData::checkState(entry) != 2)
            continue;
        const auto contact = entry.value<DeviceData::ContactInfo>();
        for (int g = 0; g < groupCount; ++g) {
            for (const QString &name : groupNames(contact.*(labelGroups[g].list), labelGroups[g].name))
                names[g].insert(name);
        }
    }
    for (int g = 0; g < groupCount; ++g) {
        QStringList sorted = names[g].values();
        std::sort(sorted.begin(), sorted.end());
        header << sorted;
    }
    header << tr("Notes");
    d->columns = header;
    d->columnIndex.clear();
    // The first column of a name wins, as a search from the left would find.
    for (int i = header.size() - 1; i >= 0; --i)
        d->columnIndex.insert(header.at(i), i);
    return writeRow(header);
}

bool RecoverAsCsv::writeContactRow(const DeviceData::ContactInfo &contact)
{
    QStringList fields;
    for (int i = 0; i < d->columns.size(); ++i)
        fields << QString();
    if (fields.size() < 8)
        return false;
    const QString fixed[] = {contact.firstName,  contact.middleName, contact.lastName, contact.organization,
                             contact.department, contact.jobTitle,   contact.nickname};
    for (int i = 0; i < 7; ++i)
        fields[i] = fixed[i];
    for (const LabelGroup &group : labelGroups) {
        const DeviceData::LabelledValues &entries = contact.*(group.list);
        const QStringList names = groupNames(entries, group.name);
        for (int i = 0; i < entries.size(); ++i) {
            const int column = d->columnIndex.value(names.at(i), -1);
            if (column < 0)
                continue;
            QString value = entries.at(i).second;
            if (group.isAddress)
                value.remove(QLatin1String("<br>"));
            fields[column] = value;
        }
    }
    fields.last() = contact.note;
    return writeRow(fields);
}

bool RecoverAsCsv::writeCalendarRow(const DeviceData::CalenderReminderInfo &event, const QString &attachments)
{
    return writeRow({event.title, event.startText, event.endText, event.notes, attachments});
}

bool RecoverAsCsv::writeCallHistoryRow(const DeviceData::CHFTInfo &call)
{
    return writeRow({call.displayName, call.value, call.dateText,
                     call.originated != 0 ? d->outgoingCall : d->incomingCall, call.durationText});
}

bool RecoverAsCsv::writeFaceTimeRow(const DeviceData::CHFTInfo &call)
{
    return writeCallHistoryRow(call);
}

bool RecoverAsCsv::writeNoteRow(const DeviceData::NotesInfo &note, const QString &attachments)
{
    return writeRow({note.title, note.createdText, note.body, attachments});
}

bool RecoverAsCsv::writeReminderRow(const DeviceData::CalenderReminderInfo &reminder, const QString &attachments)
{
    return writeRow({reminder.title, reminder.startText, reminder.endText, reminder.notes, reminder.location,
                     attachments});
}

bool RecoverAsCsv::writeSafariBookmarkRow(const DeviceData::SafariInfo &item)
{
    return writeRow({item.title, item.text3, item.url});
}

bool RecoverAsCsv::writeSafariHistoryRow(const DeviceData::SafariInfo &item)
{
    return writeRow({item.title, item.url, item.timeText});
}

QStringList RecoverAsCsv::columns() const
{
    return d->columns;
}
