#pragma once

#include "categorytablemodel.h"

// The calls of Call History (1024) and FaceTime (64), one DeviceData::CHFTInfo
// per row. Columns: 0 check box, 1 "Name", 2 "Phone Number", 3 "Date",
// 4 "Call Type", 5 "Duration".
//
// Beside the base's roles: Qt::ForegroundRole "#e73e28" for an incoming
// call that was not answered (status 2 or 6, direction 0), else RGB
// (51, 51, 51); TimeRole in column 3 (the call's time); ColorRole red.
// setData takes TimeRole in column 3 (the date text follows) and the texts
// of columns 1, 2, 3 and 5 and the direction (column 4) as Qt::DisplayRole.
class FaceTimeCallHistorModel : public CategoryTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        CheckColumn = 0,
        NameColumn,
        NumberColumn,
        DateColumn,
        CallTypeColumn,
        DurationColumn,
        ColumnCount
    };

    FaceTimeCallHistorModel(int group, int typeId, QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QString cellText(const QVariant &record, int column) const override;
    qint64 recordTime(const QVariant &record) const override;
    int dateColumn() const override;
    QString headerText(int section) const override;

protected:
    QVariant recordData(const QVariant &record, int column, int role) const override;
    bool setRecordData(QVariant &record, int column, const QVariant &value, int role) override;

private:
    QString m_incoming;
    QString m_outgoing;
};
