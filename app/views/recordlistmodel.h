#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QVariant>
#include <QVector>

// The base of the one-column record lists beside a detail pane (contacts,
// notes): one row per record of a list of QVariant records, shown a page at
// a time. Row r is always record r of the list: setRecords shows the first
// PageSize rows, fetchMore PageSize more, appendRecord one more, loadAll the
// rest in one step.
//
// Roles, for a row inside the list:
// - Qt::DisplayRole: the whole record (the delegates paint from it);
//   Qt::AccessibleTextRole: accessibleText(), plain text;
//   Qt::TextAlignmentRole: left, vertically centred; Qt::ForegroundRole:
//   "#e73e28" for a deleted record, else RGB (51, 51, 51).
// - DeletedRole, CheckableRole, CheckStateRole, TimeRole (recordTime()) and
//   Qt::CheckStateRole, with Qt::ItemIsUserCheckable while checkable.
// - anything else: recordData() of the subclass.
// setData takes CheckableRole and CheckStateRole (the model's record only)
// and refuses Qt::CheckStateRole: a tick goes through setRowCheckState,
// which writes the record store too.
class RecordListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int PageSize = 100;

    RecordListModel(int group, int typeId, QObject *parent = nullptr);

    int group() const;
    int typeId() const;

    void setRecords(const QList<QVariant> &records);
    void appendRecord(const QVariant &record);
    void clearRecords();
    void loadAll();
    bool allLoaded() const;
    int recordCount() const;
    const QList<QVariant> &records() const;
    // Empty outside the list.
    QVariant record(int row) const;
    // Replaces one record without any signal.
    void setRecord(int row, const QVariant &record);

    // The user's ticks, in the model and in the record store (StoreTicks).
    bool setRowCheckState(int row, int state);
    int setRowsCheckState(const QVector<int> &rows, int state);
    int setAllRowsCheckState(int state);
    // The checkable flag of every record, in the model only.
    void setAllCheckable(bool checkable);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

protected:
    // The plain text a row is read as by assistive tools.
    virtual QString accessibleText(const QVariant &record) const = 0;
    virtual qint64 recordTime(const QVariant &record) const = 0;
    virtual QVariant recordData(const QVariant &record, int role) const;

private:
    void announceAll();

    int m_group = 0;
    int m_typeId = 0;
    QList<QVariant> m_records;
    int m_shown = 0;
};
