#pragma once

#include "categorytablemodel.h"

#include <QFont>

// The files of App Audios (32768) and App Documents (65536), one
// DeviceData::DocumentInfo per row. Columns: 0 check box, 1 "Name",
// 2 "Format", 3 "Size".
//
// Beside the base's roles: Qt::ForegroundRole "#e73e28" for a deleted
// record, else RGB (51, 51, 51); SizeRole in column 3 (bytes); the Name
// tool tip broken into lines of at most 300 pixels in the table's font.
// setData takes the texts of columns 1 to 3 as Qt::DisplayRole.
class DocsTableModel : public CategoryTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        CheckColumn = 0,
        NameColumn,
        FormatColumn,
        SizeColumn,
        ColumnCount
    };

    DocsTableModel(int group, int typeId, QObject *parent = nullptr);

    // The font the Name tool tip is measured in.
    void setToolTipFont(const QFont &font);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QString cellText(const QVariant &record, int column) const override;
    QString headerText(int section) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The record's size in bytes.
    qint64 rowSize(int row) const;

protected:
    QVariant recordData(const QVariant &record, int column, int role) const override;
    bool setRecordData(QVariant &record, int column, const QVariant &value, int role) override;

private:
    QFont m_toolTipFont;
};
