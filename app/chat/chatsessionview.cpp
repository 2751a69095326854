#include "chatsessionview.h"

#include "appevent.h"
#include "chatinfomodel.h"
#include "chatinit.h"
#include "chatsearchpool.h"
#include "chatsessiondelegate.h"
#include "chatsessionmodel.h"
#include "chatsessionproxymodel.h"
#include "customtabbar.h"
#include "deviceparser.h"
#include "guithreadmailbox.h"
#include "imageprovider.h"
#include "itemroles.h"
#include "recordaccess.h"
#include "threadpool.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QListView>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWidget>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <atomic>
#include <memory>
#include <stdexcept>

namespace
{
    // The main window's request: copy a text, or tell the user to export.
    constexpr int ChatRequestEvent = 1019;
}

struct ChatSessionReloadJob
{
    std::atomic<bool> cancelled{false};
    bool announceCounts = false;
};

class ChatSessionViewPrivate
{
public:
    CustomTabBar *tabBar = nullptr;
    QStackedLayout *stack = nullptr;
    QListView *list = nullptr;
    ChatSessionModel *sessions = nullptr;
    ChatSessionProxyModel *proxy = nullptr;
    ChatSessionDelegate *delegate = nullptr;
    ChatInfoModel *messages = nullptr;
    QQuickWidget *quick = nullptr;
    QString providerName;
    QList<ChatSessionView::Tab> tabs;
    int checked = 0;
    int shownChecked = 0;
    QString keyword;
    // The session the pane shows, -1 none.
    int shownId = -1;
    // Set while the view itself moves the current row.
    bool choosing = false;
    std::shared_ptr<ChatSessionReloadJob> job;
};

ChatSessionView::ChatSessionView(int typeId, QWidget *parent)
    : AbstractDataView(typeId, parent)
    , d(new ChatSessionViewPrivate)
{
    setAttribute(Qt::WA_DeleteOnClose);
    initChat();
}

ChatSessionView::~ChatSessionView()
{
    // Cancelled without a finish: whoever destroys the view waits for none.
    if (d->job)
        d->job->cancelled = true;
    if (d->quick) {
        // The scene goes before the models its bindings read. The engine is
        // the widget's own and goes with it: its component cache is not
        // cleared, which would race the loads its loader thread still runs.
        d->quick->setSource(QUrl());
        if (QQmlEngine *engine = d->quick->engine())
            engine->removeImageProvider(d->providerName);
        delete d->quick;
    }
}

void ChatSessionView::setupUi(const Parts &parts, const QList<Tab> &tabs)
{
    d->sessions = parts.sessions;
    d->proxy = parts.proxy;
    d->delegate = parts.delegate;
    d->messages = parts.messages;
    d->providerName = parts.providerName;
    d->tabs = tabs;

    d->stack = new QStackedLayout;
    d->tabBar = new CustomTabBar(this);
    d->quick = new QQuickWidget(this);
    d->quick->setResizeMode(QQuickWidget::SizeRootObjectToView);
    d->quick->setClearColor(Qt::white);
    d->quick->rootContext()->setContextProperty(parts.contextName, d->messages);
    d->quick->engine()->addImageProvider(parts.providerName, new ImageProvider);
    d->quick->setSource(parts.source);

    auto *separator = new QWidget(this);
    separator->setFixedWidth(1);
    QPalette line = separator->palette();
    line.setBrush(QPalette::Window, QColor(242, 242, 242));
    separator->setPalette(line);
    separator->setAutoFillBackground(true);

    d->list = new QListView(this);
    d->proxy->setSourceModel(d->sessions);
    d->proxy->setDynamicSortFilter(true);
    d->list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->list->setDragEnabled(false);
    d->list->setMouseTracking(true);
    d->list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->list->setProperty("style", QStringLiteral("white"));
    d->list->setModel(d->proxy);
    d->list->setItemDelegate(d->delegate);
    d->list->installEventFilter(this);

    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(d->tabBar);
    left->addLayout(d->stack);
    d->stack->addWidget(d->list);
    if (parts.otherPage)
        d->stack->addWidget(parts.otherPage);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(left, 2);
    layout->addWidget(separator, 0);
    layout->addWidget(d->quick, 3);

    for (const Tab &tab : tabs)
        d->tabBar->addTab(tab.greyIcon, tab.colouredIcon, QObject::tr(tab.text));
    retranslate();

    connect(d->tabBar, &CustomTabBar::currentChanged, this, &ChatSessionView::onTab);
    // An assistive tool toggles a tab without clicking it; a click has
    // chosen the tab by the time this runs.
    const QList<QAbstractButton *> buttons = d->tabBar->findChildren<QAbstractButton *>();
    for (int i = 0; i < buttons.size(); ++i) {
        QAbstractButton *button = buttons.at(i);
        connect(button, &QAbstractButton::toggled, this, [this, button, i](bool on) {
            if (!on)
                return;
            QMetaObject::invokeMethod(
                this, [this, button, i] {
                    if (button->isChecked() && d->tabBar->currentIndex() != i)
                        d->tabBar->setCurrentIndex(i);
                },
                Qt::QueuedConnection);
        });
    }
    connect(d->list, &QListView::clicked, this, &ChatSessionView::onRowChosen);
    connect(d->list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onRowChosen(current); });
    // An assistive tool selects a row without making it current.
    connect(d->list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty())
                    onRowChosen(selected.indexes().first());
            });
    connect(d->delegate, &ChatSessionDelegate::checkBoxClicked, this, &ChatSessionView::toggleRow);
    connect(d->delegate, &ChatSessionDelegate::pictureArrived, d->list->viewport(), qOverload<>(&QWidget::update));
    connect(d->messages, qOverload<const QString &, const QString &>(&ChatInfoModel::sigExportFile), this,
            &ChatSessionView::exported);
    connect(d->messages, qOverload<const QString &, const QVariant &>(&ChatInfoModel::sigTryToUse), this,
            &ChatSessionView::postChatRequest);
    d->tabBar->setCurrentIndex(0);
}

void ChatSessionView::retranslate()
{
    d->list->setAccessibleName(QObject::tr("Conversations"));
    // The tabs were made after the window recorded its texts.
    const QList<QAbstractButton *> buttons = d->tabBar->findChildren<QAbstractButton *>();
    for (int i = 0; i < buttons.size() && i < d->tabs.size(); ++i) {
        const QString text = QObject::tr(d->tabs.at(i).text);
        buttons.at(i)->setToolTip(text);
        buttons.at(i)->setAccessibleName(text);
    }
}

void ChatSessionView::appendItem(const QVariant &record)
{
    d->sessions->append(record);
    if (DeviceData::checkState(record) == 2) {
        ++d->checked;
        ++d->shownChecked;
    }
}

void ChatSessionView::setDataList(const QList<QVariant> &records)
{
    cancelReload();
    d->checked = 0;
    for (const QVariant &record : records)
        d->checked += DeviceData::checkState(record) == 2 ? 1 : 0;
    d->shownChecked = d->checked;
    d->sessions->setList(records, true);
    d->proxy->refilter();
    // The tool bar's counts are the tab's from the first list on.
    recount(true);
    d->shownId = -1;
    showFirst();
    emit checkStateChanged();
}

void ChatSessionView::updateItem(const QString &key, const QVariant &record)
{
    d->sessions->setRecord(d->sessions->rowOfKey(key), record, false);
    d->list->viewport()->update();
}

void ChatSessionView::setMessageList(const QList<QVariant> &records)
{
    d->sessions->setListAll(records, true);
    d->proxy->refilter();
}

void ChatSessionView::setCheckEnabled(bool enabled)
{
    for (int row = 0; row < d->sessions->count(); ++row) {
        QVariant record = d->sessions->record(row);
        if (DeviceData::isCheckable(record) == enabled)
            continue;
        DeviceData::setCheckable(record, enabled);
        d->sessions->setRecord(row, record, false);
    }
    d->messages->setEnabled(enabled);
    d->list->viewport()->update();
}

void ChatSessionView::writeCheckState(int sessionId, int state)
{
    DeviceParser *store = DeviceParser::instance();
    const QList<QVariant> stored = store->records(DeviceData::DeviceGroup, typeId());
    for (int row = 0; row < stored.size(); ++row) {
        if (d->sessions->sessionIdOf(stored.at(row)) != sessionId)
            continue;
        QVariant record = stored.at(row);
        if (DeviceData::setCheckState(record, state))
            store->setRecord(DeviceData::DeviceGroup, typeId(), row, record);
        return;
    }
}

void ChatSessionView::toggleRow(const QModelIndex &proxyIndex)
{
    const QModelIndex source = d->proxy->mapToSource(proxyIndex);
    if (!source.isValid() || !source.data(CheckableRole).toBool())
        return;
    int state = 2;
    if (source.data(CheckStateRole).toInt() != 0) {
        --d->checked;
        --d->shownChecked;
        state = 0;
    } else {
        ++d->checked;
        ++d->shownChecked;
    }
    d->sessions->setData(source, state, CheckStateRole);
    emit checkStateChanged();
    writeCheckState(d->sessions->sessionIdOf(source.data(Qt::DisplayRole)), state);
}

void ChatSessionView::setAllChecked(int checkState, bool visibleOnly, bool)
{
    DeviceParser *store = DeviceParser::instance();
    if (visibleOnly && !d->proxy->canFetchMore(QModelIndex())) {
        QHash<int, bool> changed;
        for (int row = 0; row < d->proxy->rowCount(); ++row) {
            const int source = d->proxy->mapToSource(d->proxy->index(row, 0)).row();
            QVariant record = d->sessions->record(source);
            if (DeviceData::checkState(record) == checkState)
                continue;
            DeviceData::setCheckState(record, checkState);
            d->sessions->setRecord(source, record, false);
            changed.insert(d->sessions->sessionIdOf(record), true);
            const int step = checkState == 2 ? 1 : -1;
            d->checked += step;
            d->shownChecked += step;
        }
        // The store's own rows of those sessions, whatever else they hold.
        const QList<QVariant> stored = store->records(DeviceData::DeviceGroup, typeId());
        for (int row = 0; row < stored.size() && !changed.isEmpty(); ++row) {
            if (changed.remove(d->sessions->sessionIdOf(stored.at(row))) == 0)
                continue;
            QVariant record = stored.at(row);
            DeviceData::setCheckState(record, checkState);
            store->setRecord(DeviceData::DeviceGroup, typeId(), row, record);
        }
    } else {
        for (int row = 0; row < d->sessions->count(); ++row) {
            QVariant record = d->sessions->record(row);
            if (DeviceData::checkState(record) == checkState)
                continue;
            DeviceData::setCheckState(record, checkState);
            d->sessions->setRecord(row, record, false);
        }
        QList<QVariant> stored = store->records(DeviceData::DeviceGroup, typeId());
        if (DeviceData::setCheckStates(stored, checkState) > 0)
            store->setRecords(DeviceData::DeviceGroup, typeId(), stored);
        d->checked = checkState == 2 ? d->sessions->count() : 0;
        d->shownChecked = checkState == 2 ? d->proxy->rowCount() : 0;
    }
    d->list->viewport()->update();
}

int ChatSessionView::checkState(bool visibleOnly) const
{
    int checked = d->checked;
    int total = d->sessions->count();
    if (visibleOnly) {
        checked = d->shownChecked;
        if (!d->proxy->canFetchMore(QModelIndex()))
            total = d->proxy->rowCount();
    }
    if (checked == 0 || total == 0)
        return 0;
    return checked == total ? 2 : 1;
}

CSortFilterProxyModel *ChatSessionView::proxyModel() const
{
    return d->proxy;
}

void ChatSessionView::setFilterMode(int mode)
{
    cancelReload();
    emit started();
    AbstractDataView::setFilterMode(mode);
    startReload(false);
}

void ChatSessionView::search(const QString &keyword)
{
    cancelReload();
    emit started();
    d->keyword = keyword;
    d->sessions->setKeyword(keyword);
    d->messages->setKeyword(keyword);
    startReload(true);
}

void ChatSessionView::startReload(bool announceCounts)
{
    auto job = std::make_shared<ChatSessionReloadJob>();
    job->announceCounts = announceCounts;
    d->job = job;
    const auto task = d->sessions->reloadTask(d->keyword, filterMode());

    auto complete = [this](const std::shared_ptr<ChatSessionReloadJob> &done,
                           const ChatSessionModel::ReloadResult &result) {
        if (done != d->job)
            return;
        d->job.reset();
        d->sessions->applyReload(result);
        d->proxy->refilter();
        recount(done->announceCounts);
        d->shownId = -1;
        showFirst();
        emit checkStateChanged();
        emit finish();
    };

    if (d->sessions->count() == 0) {
        complete(job, {});
        return;
    }
    QPointer<ChatSessionView> self(this);
    try {
        chatSearchPool().commit([job, self, task, complete] {
            ChatSessionModel::ReloadResult result = task(job->cancelled);
            if (job->cancelled)
                return;
            runOnGuiThread([job, self, complete, result] {
                if (self)
                    complete(job, result);
            });
        });
    } catch (const std::runtime_error &) {
        // The pool has stopped: the program is ending.
        complete(job, {});
    }
}

void ChatSessionView::cancelReload()
{
    if (!d->job)
        return;
    d->job->cancelled = true;
    d->job.reset();
    emit finish();
}

bool ChatSessionView::isReloading() const
{
    return d->job != nullptr;
}

void ChatSessionView::recount(bool withSignals)
{
    d->shownChecked = 0;
    for (int row = 0; row < d->proxy->rowCount(); ++row)
        d->shownChecked += d->proxy->index(row, 0).data(CheckStateRole).toInt() == 2 ? 1 : 0;
    int existing = 0;
    int deleted = 0;
    const int kind = d->proxy->kind();
    if (!d->sessions->keyword().isEmpty()) {
        const ChatSessionModel::Counts counts = d->sessions->kindCounts().value(kind);
        existing = counts.existing;
        deleted = counts.deleted;
    } else {
        for (const QVariant &record : d->sessions->records()) {
            if (d->sessions->kindOf(record) != kind)
                continue;
            ++(DeviceData::isDeleted(record) ? deleted : existing);
        }
    }
    if (withSignals) {
        emit indexCountChanged(0, existing + deleted);
        emit indexCountChanged(1, existing);
        emit indexCountChanged(2, deleted);
    }
}

void ChatSessionView::clear()
{
    cancelReload();
    AbstractDataView::setFilterMode(0);
    d->proxy->setFilterMode(0);
    d->proxy->setKind(0);
    d->sessions->clear();
    d->messages->clear();
    d->messages->setTitle(QString());
    d->keyword.clear();
    d->sessions->setKeyword(QString());
    d->messages->setKeyword(QString());
    d->proxy->sort(-1);
    d->checked = 0;
    d->shownChecked = 0;
    d->shownId = -1;
    d->delegate->setCurrentRow(-1);
    d->tabBar->setCurrentIndex(0);
}

int ChatSessionView::selectedCount() const
{
    return d->proxy->kind();
}

void ChatSessionView::onTab(int tab)
{
    d->proxy->setKind(kindOfTab(tab));
    tabChosen(tab);
    d->proxy->refilter();
    recount(true);
    d->shownId = -1;
    showFirst();
    // A running reload is made again for what the tab shows now.
    if (d->job) {
        const bool announce = d->job->announceCounts;
        cancelReload();
        emit started();
        startReload(announce);
    }
}

void ChatSessionView::tabChosen(int)
{
    d->messages->setVisibleTitle(true);
    showListPage(true);
}

void ChatSessionView::showListPage(bool list)
{
    d->stack->setCurrentIndex(list || d->stack->count() < 2 ? 0 : 1);
}

void ChatSessionView::showFirst()
{
    if (d->proxy->rowCount() > 0) {
        const QModelIndex first = d->proxy->index(0, 0);
        d->choosing = true;
        d->list->setCurrentIndex(first);
        d->choosing = false;
        showSession(first);
        return;
    }
    clearPane();
    d->messages->setTitle(QString());
}

void ChatSessionView::clearPane()
{
    d->messages->clear();
    d->delegate->setCurrentRow(-1);
    d->shownId = -1;
    d->list->viewport()->update();
}

void ChatSessionView::onRowChosen(const QModelIndex &proxyIndex)
{
    if (d->choosing || !proxyIndex.isValid() || d->stack->currentIndex() != 0)
        return;
    const int id = d->sessions->sessionIdOf(proxyIndex.data(Qt::DisplayRole));
    if (proxyIndex.row() == d->delegate->currentRow() && id == d->shownId)
        return;
    showSession(proxyIndex);
}

void ChatSessionView::showSession(const QModelIndex &proxyIndex)
{
    d->messages->clear();
    d->quick->update();
    d->list->viewport()->update();
    if (!proxyIndex.isValid()) {
        d->delegate->setCurrentRow(-1);
        d->shownId = -1;
        return;
    }
    d->delegate->setCurrentRow(proxyIndex.row());
    const QVariant record = proxyIndex.data(Qt::DisplayRole);
    d->shownId = d->sessions->sessionIdOf(record);
    fillPane(record);
}

QString ChatSessionView::keyword() const
{
    return d->keyword;
}

int ChatSessionView::shownSessionId() const
{
    return d->shownId;
}

int ChatSessionView::currentTab() const
{
    return d->tabBar->currentIndex();
}

void ChatSessionView::postChatRequest(const QString &type, const QVariant &value)
{
    if (type.isEmpty()) {
        postAppEvent(ChatRequestEvent, QVariant());
        return;
    }
    const QStringList parts = value.toString().split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QString text;
    if (parts.size() == 2)
        text = messageText(parts.at(0).toInt(), parts.at(1).toInt());
    postAppEvent(ChatRequestEvent, QVariant::fromValue(qMakePair(type, QVariant(text))));
}

bool ChatSessionView::eventFilter(QObject *watched, QEvent *event)
{
    // Space ticks the current row as a click on its box would.
    if (watched == d->list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            if (d->list->currentIndex().isValid())
                toggleRow(d->list->currentIndex());
            return true;
        }
    }
    return AbstractDataView::eventFilter(watched, event);
}

void ChatSessionView::changeEvent(QEvent *event)
{
    // Texts set in code and the pane's texts follow the language.
    if (event->type() == QEvent::LanguageChange && d->list) {
        retranslate();
        if (d->quick->engine())
            d->quick->engine()->retranslate();
        d->list->viewport()->update();
    }
    AbstractDataView::changeEvent(event);
}

CustomTabBar *ChatSessionView::tabBar() const
{
    return d->tabBar;
}

QListView *ChatSessionView::listView() const
{
    return d->list;
}

QQuickWidget *ChatSessionView::quickWidget() const
{
    return d->quick;
}

ChatSessionModel *ChatSessionView::sessionModel() const
{
    return d->sessions;
}

ChatSessionProxyModel *ChatSessionView::sessionProxy() const
{
    return d->proxy;
}

ChatSessionDelegate *ChatSessionView::sessionDelegate() const
{
    return d->delegate;
}

ChatInfoModel *ChatSessionView::messageModel() const
{
    return d->messages;
}

int ChatSessionView::checkedCount() const
{
    return d->checked;
}

int ChatSessionView::shownCheckedCount() const
{
    return d->shownChecked;
}
