#pragma once

#include <QList>
#include <QScopedPointer>
#include <QVariant>
#include <QWidget>

class AbstractDataViewPrivate;
class CSortFilterProxyModel;

// The base of every category view of the scan-result page. The page creates
// a view for one category id and drives it only through the virtual
// operations below; the base bodies do nothing (checkState 0, proxyModel
// null), so a view overrides what it supports. The order of the operations
// is part of the interface.
//
// Filter modes: 0 all records, 1 existing only, 2 deleted only.
// Check states are Qt's: 0 unchecked, 1 partly checked, 2 checked.
//
// The view is an opaque white widget, deleted when closed.
class AbstractDataView : public QWidget
{
    Q_OBJECT

public:
    explicit AbstractDataView(int typeId, QWidget *parent = nullptr);
    ~AbstractDataView() override;

    // The DataCategory id given at construction.
    int typeId() const;
    // The mode the base setFilterMode stored (the table views keep theirs in
    // their proxy and leave this at 0).
    int filterMode() const;
    int filterFlag() const;

    // 1. One record more, as a new shown row.
    virtual void appendItem(const QVariant &record);
    // 2. Only the chat attachment view sorts records by kind.
    virtual void appendItemByKind(int kind, const QVariant &record);
    // 3. Replaces every record (first page shown), recounts the checked
    // records, refreshes the header box and emits checkStateChanged.
    virtual void setDataList(const QList<QVariant> &records);
    // 4. A chat session's record changed (chat views).
    virtual void updateItem(const QString &sessionName, const QVariant &record);
    // 5., 6. The message list of the chat views.
    virtual void setMessageList(const QList<QVariant> &records);
    virtual void resetMessages();
    // 7. Makes the records checkable or not, and the header box usable.
    virtual void setCheckEnabled(bool enabled);
    // 8. Checks or unchecks every record, or only the shown rows, and writes
    // the states into the record store.
    virtual void setAllChecked(int checkState, bool visibleOnly, bool refreshHeader);
    // 9. 0 nothing checked, 1 partly, 2 all, over the shown rows or all records.
    virtual int checkState(bool visibleOnly) const;
    // 10. The view's proxy, or null.
    virtual CSortFilterProxyModel *proxyModel() const;
    // 11. Shows all, existing or deleted records.
    virtual void setFilterMode(int mode);
    // 12. Stored only.
    virtual void setFilterFlag(int flag);
    // 13. The media views' date filter.
    virtual void showFiltrationDialog();
    // 14. Keeps the rows that contain keyword and highlights it.
    virtual void search(const QString &keyword);
    // 15. The media views stop loading thumbnails.
    virtual void stopLoading();
    // 16. Empties the view.
    virtual void clear();
    // 17. Refreshes the detail pane of views that have one.
    virtual void showCurrent();

signals:
    // Around a search or filter that a chat view completes later.
    void started();
    void finish();
    // The rows the filter passes: index 0 all, 1 existing, 2 deleted; sent in
    // the order 0, 1, 2 with count(0) = count(1) + count(2).
    void indexCountChanged(int index, int count);
    // The checked records or the set of shown rows changed.
    void checkStateChanged();

private:
    QScopedPointer<AbstractDataViewPrivate> d;
};
