#include "calendarstablemodel.h"

#include "devicedata.h"
#include "formatutils.h"
#include "itemroles.h"

#include <QColor>

using DeviceData::CalenderReminderInfo;

CalendarsTableModel::CalendarsTableModel(int group, int typeId, QObject *parent)
    : CategoryTableModel(group, typeId, parent)
{
}

const CalenderReminderInfo &CalendarsTableModel::recordOf(const QVariant &record)
{
    static const CalenderReminderInfo empty;
    return record.userType() == qMetaTypeId<CalenderReminderInfo>()
               ? *static_cast<const CalenderReminderInfo *>(record.constData())
               : empty;
}

bool CalendarsTableModel::isCalendar() const
{
    return typeId() == DeviceData::Calendars;
}

int CalendarsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString CalendarsTableModel::cellText(const QVariant &record, int column) const
{
    const CalenderReminderInfo &entry = recordOf(record);
    switch (column) {
    case TitleColumn:
        return entry.title;
    case DateColumn: {
        const QString &text = isCalendar() ? entry.startText : entry.endText;
        return text.isEmpty() ? QStringLiteral("/") : text;
    }
    default:
        return QString();
    }
}

qint64 CalendarsTableModel::recordTime(const QVariant &record) const
{
    const CalenderReminderInfo &entry = recordOf(record);
    return isCalendar() ? entry.start : entry.end;
}

int CalendarsTableModel::dateColumn() const
{
    return DateColumn;
}

QString CalendarsTableModel::headerText(int section) const
{
    switch (section) {
    case TitleColumn:
        return tr("Title");
    case DateColumn:
        return isCalendar() ? tr("Starts") : tr("Reminder Date");
    default:
        return QString();
    }
}

QVariant CalendarsTableModel::recordData(const QVariant &record, int column, int role) const
{
    switch (role) {
    case Qt::ForegroundRole:
        return recordOf(record).deleted ? QColor(QStringLiteral("#e73e28")) : QColor(51, 51, 51);
    case TimeRole:
        return column == DateColumn ? QVariant(recordTime(record)) : QVariant();
    case RecordRole:
        return record;
    default:
        return QVariant();
    }
}

bool CalendarsTableModel::setRecordData(QVariant &record, int column, const QVariant &value, int role)
{
    if (record.userType() != qMetaTypeId<CalenderReminderInfo>())
        return false;
    CalenderReminderInfo entry = record.value<CalenderReminderInfo>();
    if (role == TimeRole && column == DateColumn) {
        // Signed, as the role is: a time before the epoch stays in the past.
        const qint64 time = value.toLongLong();
        const QString text = formatTimestamp(time, false, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        if (isCalendar()) {
            entry.start = time;
            entry.startText = text;
        } else {
            entry.end = time;
            entry.endText = text;
        }
    } else if (role == Qt::DisplayRole && column == TitleColumn) {
        entry.title = value.toString();
    } else if (role == Qt::DisplayRole && column == DateColumn) {
        (isCalendar() ? entry.startText : entry.endText) = value.toString();
    } else {
        return false;
    }
    record = QVariant::fromValue(entry);
    return true;
}
