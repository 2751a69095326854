#pragma once

#include "abstractdataview.h"

#include <QList>
#include <QScopedPointer>
#include <QVector>

class CategorySortModel;
class CategoryTableModel;
class CheckableTableView;
class TableDataViewPrivate;

// A category view made of a CheckableTableView over a CategoryTableModel
// through a CategorySortModel: it gives bodies to the operations of
// AbstractDataView that a table supports (append, set list, check boxes,
// filter mode, search, clear).
//
// Check states follow the records: a click writes the record at the clicked
// row's source row, in the model and in the record store; checking all rows
// writes the store's current list. The view counts the checked records over
// all records and over the shown rows; checkState and the header box come
// from those counts. A long list is counted over a few turns of the event
// loop after setDataList (which then emits checkStateChanged once counted);
// anything that reads the counts before finishes the count first.
//
// Subclasses give the model and the proxy (the view takes both as children)
// and set the column widths; see FaceTimeCallHistorView.
class TableDataView : public AbstractDataView
{
    Q_OBJECT

public:
    TableDataView(int group, CategoryTableModel *model, CategorySortModel *proxy, QWidget *parent = nullptr);
    ~TableDataView() override;

    int group() const;
    CheckableTableView *tableView() const;
    CategoryTableModel *tableModel() const;
    int checkedCount(bool visibleOnly) const;

    void appendItem(const QVariant &record) override;
    void setDataList(const QList<QVariant> &records) override;
    void setCheckEnabled(bool enabled) override;
    void setAllChecked(int checkState, bool visibleOnly, bool refreshHeader) override;
    int checkState(bool visibleOnly) const override;
    CSortFilterProxyModel *proxyModel() const override;
    void setFilterMode(int mode) override;
    void search(const QString &keyword) override;
    void clear() override;

protected:
    // Fixed widths from column 0 on; the last column stretches.
    void setColumnWidths(const QList<int> &widths);
    // Whether setDataList, search and setFilterMode emit checkStateChanged
    // (true at start); a page inside another view leaves that to its host.
    void setAnnouncesListChanges(bool announce);

private:
    bool allRowsLoaded() const;
    QVector<int> shownSourceRows() const;
    void recount(bool withSignals);
    void refreshHeaderBox();
    void continueCount();
    void onHeaderBoxClicked();
    void onRowBoxClicked(const QModelIndex &proxyIndex);

    QScopedPointer<TableDataViewPrivate> d;
};
