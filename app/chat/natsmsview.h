#pragma once

#include "abstractdataview.h"

#include <QScopedPointer>

class NatSmsItemDelegate;
class NatSmsListModel;
class NatSmsModel;
class NatSmsProxyModel;
class NatSmsViewPrivate;
class QListView;
class QModelIndex;
class QQuickWidget;

// The Messages category (id 2): its conversations on the left, the chosen
// conversation's messages on the right in a QML pane ("qrc:/qml/NatSMS/").
//
// Check states follow the records: a tick is written into the record store's
// row holding the same conversation key; ticking all writes the store's own
// list. A search or filter change never waits: it emits started, looks
// through the messages on the search pool and returns; the result changes
// only each conversation's shown flag, preview and time, then the view
// recounts, shows the first conversation and emits checkStateChanged and
// finish. A newer search, a filter change, clear or a new list cancels the
// running one (which then emits its finish at once); destruction cancels it
// silently.
class NatSmsView : public AbstractDataView
{
    Q_OBJECT

public:
    explicit NatSmsView(int typeId, QWidget *parent = nullptr);
    ~NatSmsView() override;

    void appendItem(const QVariant &record) override;
    void setDataList(const QList<QVariant> &records) override;
    // A conversation's record changed (key, record).
    void updateItem(const QString &key, const QVariant &record) override;
    // Replaces the list, all of it shown.
    void setMessageList(const QList<QVariant> &records) override;
    // Shows the list again, newest conversation first.
    void resetMessages() override;
    void setCheckEnabled(bool enabled) override;
    void setAllChecked(int checkState, bool visibleOnly, bool refreshHeader) override;
    int checkState(bool visibleOnly) const override;
    CSortFilterProxyModel *proxyModel() const override;
    // With the current search keyword.
    void setFilterMode(int mode) override;
    void search(const QString &keyword) override;
    void clear() override;

    // Shows the conversation at the proxy index in the pane.
    void buildMessageRows(const QModelIndex &proxyIndex);

    QListView *listView() const;
    NatSmsListModel *listModel() const;
    NatSmsItemDelegate *itemDelegate() const;
    NatSmsModel *messageModel() const;
    QQuickWidget *quickWidget() const;
    // The checked conversations among all and among those shown.
    int checkedCount() const;
    int shownCheckedCount() const;
    bool isSearching() const;

signals:
    void exported(const QString &localPath, const QString &strFilename);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setupUi();
    void toggleRow(const QModelIndex &proxyIndex);
    void onRowChosen(const QModelIndex &proxyIndex);
    void startSearch(const QString &keyword, int mode, bool announceCounts, bool newestFirst);
    void cancelSearch();
    void recount(bool withSignals);
    void selectFirst();
    void keepShownCurrent();
    void writeCheckState(const QString &key, int state);

    QScopedPointer<NatSmsViewPrivate> d;
};
