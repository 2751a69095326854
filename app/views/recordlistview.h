#pragma once

#include "abstractdataview.h"

#include <QModelIndex>
#include <QScopedPointer>

class QListView;
class RecordListModel;
class RecordListProxyModel;
class RecordListViewPrivate;
class RecordRowDelegate;

// A category view made of a record list on the left and a detail pane of
// the current record (the subclass's) on the right: contacts and notes.
// It gives bodies to the operations of AbstractDataView that such a list
// supports.
//
// - A click on a row shows its record; a click on its box ticks it without
//   changing the pane (the click that follows the box's is skipped). Space
//   and an assistive tool's toggle tick the row as the box does.
// - Ticks follow records: the model writes the store's record at the row
//   (StoreTicks); checking every record writes the store's current list.
//   The view counts the checked records over all records and over the shown
//   rows; checkState comes from those counts.
// - setDataList, a search and a mode change show proxy row 0, or empty the
//   pane when no row is left.
class RecordListView : public AbstractDataView
{
    Q_OBJECT

public:
    // The view takes the model and proxy as its own; the subclass gives the
    // row delegate (setRowDelegate) in its constructor.
    RecordListView(int group, int typeId, RecordListModel *model, RecordListProxyModel *proxy,
                   QWidget *parent = nullptr);
    ~RecordListView() override;

    int group() const;
    QListView *listView() const;
    RecordListModel *listModel() const;
    RecordRowDelegate *rowDelegate() const;
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
    void showCurrent() override;

protected:
    // Fills the pane from a proxy index of the list.
    virtual void showRecord(const QModelIndex &proxyIndex) = 0;
    virtual void clearDetailPane() = 0;
    RecordListProxyModel *listProxy() const;
    // The delegate's parent is the proxy.
    void setRowDelegate(RecordRowDelegate *delegate);
    // The pane right of the list and its one-pixel separator, twice as wide
    // as the list.
    void setDetailPane(QWidget *pane);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFirstRow();
    void recount(bool withSignals);
    void onRowClicked(const QModelIndex &proxyIndex);
    void onRowBoxClicked(const QModelIndex &proxyIndex);

    QScopedPointer<RecordListViewPrivate> d;
};
