#pragma once

#include "abstractdataview.h"

#include <QScopedPointer>
#include <QStringList>
#include <QUrl>

class ChatInfoModel;
class ChatSessionDelegate;
class ChatSessionModel;
class ChatSessionProxyModel;
class ChatSessionViewPrivate;
class CustomTabBar;
class QListView;
class QModelIndex;
class QQuickImageProvider;
class QQuickWidget;
class QStackedLayout;

// What the LINE and WhatsApp views share: on the left a tab bar over the
// session list (or a page of the subclass's own), on the right a QML pane of
// the chosen session's messages, and the scan-result page's operations.
//
// Check states follow the records: a tick is written into the record store's
// row holding the same session id; ticking all writes only the check states
// of the store's own list. A search or filter change never waits: it emits
// started and hands a copy of the sessions to the search pool; the result
// (each session's visible flag, last message and time, and the counts per
// kind) is taken back by session id, then the view recounts, shows the
// tab's first session and emits checkStateChanged and finish. A newer
// search or filter change, clear or a new list cancels the running one
// (which emits its finish at once); a tab change restarts it; destruction
// cancels it silently.
class ChatSessionView : public AbstractDataView
{
    Q_OBJECT

public:
    ~ChatSessionView() override;

    void appendItem(const QVariant &record) override;
    void setDataList(const QList<QVariant> &records) override;
    // A session's record changed (its key, the record).
    void updateItem(const QString &key, const QVariant &record) override;
    // Replaces the list, all of it shown; no recount.
    void setMessageList(const QList<QVariant> &records) override;
    void setCheckEnabled(bool enabled) override;
    void setAllChecked(int checkState, bool visibleOnly, bool refreshHeader) override;
    int checkState(bool visibleOnly) const override;
    CSortFilterProxyModel *proxyModel() const override;
    void setFilterMode(int mode) override;
    void search(const QString &keyword) override;
    void clear() override;

    // The session kind of the current tab, which the scan-result page reads.
    Q_INVOKABLE int selectedCount() const;

    CustomTabBar *tabBar() const;
    QListView *listView() const;
    QQuickWidget *quickWidget() const;
    ChatSessionModel *sessionModel() const;
    ChatSessionProxyModel *sessionProxy() const;
    ChatSessionDelegate *sessionDelegate() const;
    ChatInfoModel *messageModel() const;
    // The checked sessions among all and among those the list shows.
    int checkedCount() const;
    int shownCheckedCount() const;
    bool isReloading() const;

    struct Tab
    {
        QString colouredIcon;
        QString greyIcon;
        // Untranslated.
        const char *text;
    };

signals:
    void exported(const QString &localPath, const QString &strFilename);

protected:
    struct Parts
    {
        ChatSessionModel *sessions = nullptr;
        ChatSessionProxyModel *proxy = nullptr;
        ChatSessionDelegate *delegate = nullptr;
        ChatInfoModel *messages = nullptr;
        // The pane's context property and image provider.
        QString contextName;
        QString providerName;
        QUrl source;
        // A page shown in place of the list on some tab, or null.
        QWidget *otherPage = nullptr;
    };

    ChatSessionView(int typeId, QWidget *parent);
    // Builds the view; tab 0 is chosen.
    void setupUi(const Parts &parts, const QList<Tab> &tabs);

    // The session kind of a tab.
    virtual int kindOfTab(int tab) const = 0;
    // Fills the pane with the session of the record (the pane is empty).
    virtual void fillPane(const QVariant &session) = 0;
    // The text of message row of a session, for "copy-message".
    virtual QString messageText(int sessionId, int row) const = 0;
    // What a tab change does beside choosing the kind; the default shows the
    // list and the pane's title.
    virtual void tabChosen(int tab);
    // Shows the first session of the tab, or an empty pane.
    virtual void showFirst();

    void showListPage(bool list);
    // Shows the session at the proxy index in the pane.
    void showSession(const QModelIndex &proxyIndex);
    void clearPane();
    QString keyword() const;
    int currentTab() const;
    // The session the pane shows, -1 none.
    int shownSessionId() const;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onTab(int tab);
    void onRowChosen(const QModelIndex &proxyIndex);
    void toggleRow(const QModelIndex &proxyIndex);
    void writeCheckState(int sessionId, int state);
    void startReload(bool announceCounts);
    void cancelReload();
    void recount(bool withSignals);
    void postChatRequest(const QString &type, const QVariant &value);
    void retranslate();

    QScopedPointer<ChatSessionViewPrivate> d;
};
