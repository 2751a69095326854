#pragma once

#include "categorytablemodel.h"

namespace DeviceData {
struct CalenderReminderInfo;
}

// The calendar events (2048) or reminders (4096), one
// DeviceData::CalenderReminderInfo per row. Columns: 0 check box, 1 "Title",
// 2 "Starts" (the event's start) or "Reminder Date" (the reminder's date),
// "/" where that text is empty.
//
// Beside the base's roles: Qt::ForegroundRole "#e73e28" for a deleted
// record, else RGB (51, 51, 51); TimeRole in column 2 (the start of an
// event, the date of a reminder); RecordRole the record. setData takes the
// texts of columns 1 and 2 as Qt::DisplayRole and TimeRole in column 2 (a
// signed time; the date text follows).
class CalendarsTableModel : public CategoryTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        CheckColumn = 0,
        TitleColumn,
        DateColumn,
        ColumnCount
    };

    CalendarsTableModel(int group, int typeId, QObject *parent = nullptr);

    // The record a variant holds, read in place; an empty one for another
    // type.
    static const DeviceData::CalenderReminderInfo &recordOf(const QVariant &record);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QString cellText(const QVariant &record, int column) const override;
    qint64 recordTime(const QVariant &record) const override;
    int dateColumn() const override;
    QString headerText(int section) const override;

protected:
    QVariant recordData(const QVariant &record, int column, int role) const override;
    bool setRecordData(QVariant &record, int column, const QVariant &value, int role) override;

private:
    bool isCalendar() const;
};
