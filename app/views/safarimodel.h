#pragma once

#include "categorytablemodel.h"

#include <QFont>

// Safari Bookmarks (128) and Safari History (256), one DeviceData::SafariInfo
// per row. Columns: 0 check box, then bookmarks 1 "Title", 2 "Category",
// 3 "URL"; history 1 "Title", 2 "URL", 3 "Date".
//
// Beside the base's roles: Qt::ForegroundRole "#e73e28" for a deleted
// record, else RGB (51, 51, 51); TimeRole in every column; tool tips of
// the texts broken into lines of at most 300 pixels in the table's font
// (the history date as it stands). setData takes the texts of columns 1 to 3
// as Qt::DisplayRole and TimeRole in column 3 (the date text follows).
class SafariModel : public CategoryTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        CheckColumn = 0,
        TitleColumn,
        SecondColumn, // bookmarks: the folder; history: the URL
        ThirdColumn,  // bookmarks: the URL; history: the date
        ColumnCount
    };

    SafariModel(int group, int typeId, QObject *parent = nullptr);

    bool isHistory() const;
    // The font the tool tips are measured in.
    void setToolTipFont(const QFont &font);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QString cellText(const QVariant &record, int column) const override;
    qint64 recordTime(const QVariant &record) const override;
    int dateColumn() const override;
    QString headerText(int section) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

protected:
    QVariant recordData(const QVariant &record, int column, int role) const override;
    bool setRecordData(QVariant &record, int column, const QVariant &value, int role) override;

private:
    QFont m_toolTipFont;
};
