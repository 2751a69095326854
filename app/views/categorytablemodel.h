#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QVariant>
#include <QVector>

// The base of the category table models: one row per record of a list of
// QVariant records (each a DeviceData record), shown a page at a time, with
// column 0 as the check-box column and the data columns from 1.
//
// Paging: row r is always record r of the list. setDataList shows the first
// PageSize rows, fetchMore PageSize more, appendItem one more; loadAll shows
// the rest in one step.
//
// Roles answered by the base, for a row inside the list:
// - Qt::DisplayRole (columns >= 1): cellText escaped for HTML, with the
//   keyword highlighted; Qt::ToolTipRole: cellText as it stands (escaped
//   inside markup when Qt would read it as rich text);
//   Qt::AccessibleTextRole: cellText (column 0: the text of column 1);
//   Qt::TextAlignmentRole: left, vertically centred.
// - Column 0: Qt::CheckStateRole, CheckableRole and CheckStateRole, from the
//   record (DeviceData::checkState, isCheckable); Qt::ItemIsUserCheckable
//   when checkable.
// - DeletedRole in every column.
// - anything else: recordData() of the subclass.
// setData refuses Qt::CheckStateRole (clicks reach the view's own path);
// CheckStateRole and CheckableRole change the model's record only.
//
// The check states of the user go through setRowCheckState and
// setRowsCheckState, which write the model's records and the record store's
// (DeviceParser, group and category id of the model) at the same rows.
class CategoryTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int PageSize = 100;

    CategoryTableModel(int group, int typeId, QObject *parent = nullptr);

    int group() const;
    int typeId() const;

    // Paging.
    void appendItem(const QVariant &record);
    void setDataList(const QList<QVariant> &records);
    void clear();
    void loadAll();
    bool allLoaded() const;
    int recordCount() const;
    const QList<QVariant> &records() const;
    // Empty outside the list.
    QVariant record(int row) const;
    // Replaces one record without any signal.
    void replaceRecord(int row, const QVariant &record);

    // The keyword the display texts highlight. The caller repaints.
    QString keyword() const;
    void setKeyword(const QString &keyword);

    // What the cells show, as plain text; search and sort read it too.
    virtual QString cellText(const QVariant &record, int column) const = 0;
    // The record's time (TimeRole), and the column it is shown in (-1 none).
    virtual qint64 recordTime(const QVariant &record) const;
    virtual int dateColumn() const;
    virtual QString headerText(int section) const = 0;

    // Read straight from the list, for proxies and counts.
    bool rowContains(int row, const QString &keyword) const;
    bool isRowDeleted(int row) const;
    bool isRowCheckable(int row) const;
    int rowCheckState(int row) const;
    qint64 rowTime(int row) const;

    // The user's ticks: the record at row, in the model and in the store.
    // False for a row outside the list or a record without a check state.
    // A model whose records live elsewhere in the store overrides the three.
    virtual bool setRowCheckState(int row, int state);
    // The same for many rows (rows of the list), written into the store as
    // one list; returns how many of the model's records changed.
    virtual int setRowsCheckState(const QVector<int> &rows, int state);
    // Every record of the list.
    virtual int setAllRowsCheckState(int state);
    // The checkable flag of every record, in the model only.
    void setAllCheckable(bool checkable);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

protected:
    // Roles beyond the base's for a record of the list.
    virtual QVariant recordData(const QVariant &record, int column, int role) const;
    // Edits beyond the check state and checkable flag; true when the record
    // was changed.
    virtual bool setRecordData(QVariant &record, int column, const QVariant &value, int role);

private:
    int writeCheckStates(const QVector<int> *rows, int state);

    int m_group = 0;
    int m_typeId = 0;
    QList<QVariant> m_records;
    int m_shown = 0;
    QString m_keyword;
};
