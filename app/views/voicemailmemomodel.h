#pragma once

#include "categorytablemodel.h"

// The voicemails (4) and voice memos (8), one DeviceData::VMMInfo per row.
// Columns: 0 check box, then for voicemails "mailName", "Number", "Date",
// "Duration" and for voice memos "memoName", "Date", "Duration", "Size".
//
// Beside the base's roles: Qt::ForegroundRole "#e73e28" for a deleted
// record, else RGB (51, 51, 51); TimeRole in the date column (the record's
// date). setData takes the text of columns 1 to 4 as Qt::DisplayRole.
class VoiceMailMemoModel : public CategoryTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 5;

    VoiceMailMemoModel(int group, int typeId, QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QString cellText(const QVariant &record, int column) const override;
    qint64 recordTime(const QVariant &record) const override;
    int dateColumn() const override;
    QString headerText(int section) const override;

protected:
    QVariant recordData(const QVariant &record, int column, int role) const override;
    bool setRecordData(QVariant &record, int column, const QVariant &value, int role) override;

private:
    bool isMemo() const;
};
