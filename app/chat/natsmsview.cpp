#include "natsmsview.h"

#include "chatinit.h"
#include "chatsearchpool.h"
#include "deviceparser.h"
#include "guithreadmailbox.h"
#include "itemroles.h"
#include "natsmsitemdelegate.h"
#include "natsmslistmodel.h"
#include "natsmsmodel.h"
#include "natsmsproxymodel.h"
#include "recordaccess.h"
#include "smsmatch.h"
#include "threadpool.h"

#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QListView>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWidget>

#include <atomic>
#include <memory>
#include <stdexcept>

using DeviceData::SMSInfo;
using DeviceData::SmsMessageList;
using DeviceData::SMSSessionInfo;

namespace
{
    // The walk over one conversation looks at its cancel flag this often.
    constexpr int CancelCheckEvery = 4096;

    // What a search needs of one conversation, copied on the GUI thread.
    struct SearchItem
    {
        QString key;
        QString name;
        bool deleted = false;
        QVariant lastMessage;
    };

    // What it found for one conversation.
    struct SearchResult
    {
        bool visible = false;
        // The conversation previews and sorts by message from now on.
        bool moved = false;
        QVariant message;
        qint64 time = 0;
        bool clearPreview = false;
    };

    bool shownForMode(bool matched, bool deleted, int mode)
    {
        switch (mode) {
        case 1: return matched && !deleted;
        case 2: return matched && deleted;
        default: return matched;
        }
    }
}

struct NatSmsSearchJob
{
    std::atomic<bool> cancelled{false};
    QString keyword;
    int mode = 0;
    bool announceCounts = false;
    bool newestFirst = false;
    QVector<SearchItem> items;
};

namespace
{
    // On the search pool. Empty when cancelled.
    QHash<QString, SearchResult> runSearchTask(const NatSmsSearchJob &job)
    {
        QHash<QString, SearchResult> results;
        results.reserve(job.items.size());
        const DeviceParser *store = DeviceParser::instance();
        for (const SearchItem &item : job.items) {
            if (job.cancelled)
                return {};
            SearchResult result;
            const SmsMessageList messages = store->smsMessages(item.key);
            bool matched = false;
            if (job.keyword.isEmpty()) {
                // Back to the conversation's own last message, whatever an
                // earlier search previewed.
                matched = true;
                result.moved = true;
                result.message = messages.isEmpty() ? item.lastMessage : QVariant::fromValue(messages.last());
                result.time = result.message.value<SMSInfo>().time;
                result.clearPreview = true;
            } else {
                for (int i = messages.size() - 1; i >= 0; --i) {
                    if ((messages.size() - i) % CancelCheckEvery == 0 && job.cancelled)
                        return {};
                    const SMSInfo &message = messages.at(i);
                    if (smsMatchesKeyword(message, item.name, job.keyword)) {
                        matched = true;
                        result.moved = true;
                        result.message = QVariant::fromValue(message);
                        result.time = message.time;
                        break;
                    }
                }
            }
            result.visible = shownForMode(matched, item.deleted, job.mode);
            results.insert(item.key, result);
        }
        return results;
    }
}

class NatSmsViewPrivate
{
public:
    QListView *list = nullptr;
    NatSmsListModel *listModel = nullptr;
    NatSmsProxyModel *proxy = nullptr;
    NatSmsItemDelegate *delegate = nullptr;
    QQuickWidget *quick = nullptr;
    NatSmsModel *smsModel = nullptr;
    int checked = 0;
    int shownChecked = 0;
    // The keyword of the last search; filter changes apply it too.
    QString keyword;
    // The conversation the pane shows.
    QString shownKey;
    // Set while the view itself moves the current row.
    bool choosing = false;
    std::shared_ptr<NatSmsSearchJob> job;
};

NatSmsView::NatSmsView(int typeId, QWidget *parent)
    : AbstractDataView(typeId, parent)
    , d(new NatSmsViewPrivate)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    initChat();
    setupUi();
    connect(d->list, &QListView::clicked, this, &NatSmsView::onRowChosen);
    connect(d->list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onRowChosen(current); });
    // An assistive tool selects a row without making it current.
    connect(d->list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty())
                    onRowChosen(selected.indexes().first());
            });
    connect(d->delegate, &NatSmsItemDelegate::checkBoxClicked, this, &NatSmsView::toggleRow);
    connect(d->delegate, &NatSmsItemDelegate::pictureArrived, d->list->viewport(), qOverload<>(&QWidget::update));
    connect(d->smsModel, &NatSmsModel::sigExportFile, this, &NatSmsView::exported);
}

NatSmsView::~NatSmsView()
{
    // Cancelled without a finish: whoever destroys the view waits for none.
    if (d->job)
        d->job->cancelled = true;
    // The scene goes before the model its bindings read.
    delete d->quick;
}

void NatSmsView::setupUi()
{
    d->listModel = new NatSmsListModel(this);
    d->proxy = new NatSmsProxyModel(this);
    d->proxy->setSourceModel(d->listModel);
    d->proxy->setDynamicSortFilter(true);
    d->delegate = new NatSmsItemDelegate(this);

    d->list = new QListView(this);
    d->list->setModel(d->proxy);
    d->list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->list->setDragEnabled(false);
    d->list->setMouseTracking(true);
    d->list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->list->setProperty("style", QStringLiteral("white"));
    d->list->setItemDelegate(d->delegate);
    d->list->setAccessibleName(QObject::tr("Conversations"));
    d->list->installEventFilter(this);

    auto *separator = new QWidget(this);
    separator->setFixedWidth(1);
    QPalette line = separator->palette();
    line.setColor(QPalette::Window, QColor(242, 242, 242, 255));
    separator->setPalette(line);
    separator->setAutoFillBackground(true);

    d->smsModel = new NatSmsModel(this);
    d->quick = new QQuickWidget(this);
    d->quick->setResizeMode(QQuickWidget::SizeRootObjectToView);
    d->quick->setClearColor(Qt::white);
    d->quick->rootContext()->setContextProperty(QStringLiteral("smsModelObj"), d->smsModel);
    d->quick->setSource(QUrl(QStringLiteral("qrc:/qml/NatSMS/NatSmsView.qml")));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(d->list, 2);
    layout->addWidget(separator, 0);
    layout->addWidget(d->quick, 3);
}

void NatSmsView::appendItem(const QVariant &record)
{
    d->listModel->appendRecord(record);
    if (DeviceData::checkState(record) == 2) {
        ++d->checked;
        ++d->shownChecked;
    }
}

void NatSmsView::setDataList(const QList<QVariant> &records)
{
    cancelSearch();
    d->checked = 0;
    for (const QVariant &record : records)
        d->checked += DeviceData::checkState(record) == 2 ? 1 : 0;
    d->shownChecked = d->checked;
    d->listModel->setPagedList(records);
    selectFirst();
    emit checkStateChanged();
}

void NatSmsView::updateItem(const QString &key, const QVariant &record)
{
    d->listModel->replaceRecord(d->listModel->rowOfKey(key), record);
}

void NatSmsView::setMessageList(const QList<QVariant> &records)
{
    d->listModel->setFullList(records);
    keepShownCurrent();
}

void NatSmsView::resetMessages()
{
    d->listModel->resetRecords(d->listModel->records());
    d->proxy->sort(0, Qt::AscendingOrder);
    keepShownCurrent();
}

void NatSmsView::keepShownCurrent()
{
    // After a reset the row painted as current is the conversation the pane
    // still shows, wherever it went.
    int row = -1;
    for (int i = 0; i < d->proxy->rowCount() && row < 0; ++i) {
        if (NatSmsListModel::session(d->proxy->index(i, 0).data()).key == d->shownKey)
            row = i;
    }
    d->delegate->setCurrentRow(row);
    if (row >= 0) {
        d->choosing = true;
        d->list->setCurrentIndex(d->proxy->index(row, 0));
        d->choosing = false;
    }
    d->list->viewport()->update();
}

void NatSmsView::setCheckEnabled(bool enabled)
{
    if (!d->smsModel->isEnabled()) {
        d->listModel->changeRecords([enabled](QVariant &record) {
            if (DeviceData::isCheckable(record) != enabled)
                DeviceData::setCheckable(record, enabled);
        });
    }
    d->smsModel->setEnabled(enabled);
    d->list->viewport()->update();
}

void NatSmsView::writeCheckState(const QString &key, int state)
{
    DeviceParser *store = DeviceParser::instance();
    const QList<QVariant> stored = store->records(DeviceData::DeviceGroup, typeId());
    for (int row = 0; row < stored.size(); ++row) {
        if (NatSmsListModel::session(stored.at(row)).key != key)
            continue;
        QVariant record = stored.at(row);
        if (DeviceData::setCheckState(record, state))
            store->setRecord(DeviceData::DeviceGroup, typeId(), row, record);
        return;
    }
}

void NatSmsView::toggleRow(const QModelIndex &proxyIndex)
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
    d->listModel->setData(source, state, CheckStateRole);
    emit checkStateChanged();
    writeCheckState(NatSmsListModel::session(source.data(Qt::DisplayRole)).key, state);
}

void NatSmsView::setAllChecked(int checkState, bool visibleOnly, bool)
{
    DeviceParser *store = DeviceParser::instance();
    if (visibleOnly && !d->proxy->canFetchMore(QModelIndex())) {
        QHash<QString, bool> changed;
        for (int row = 0; row < d->proxy->rowCount(); ++row) {
            const int source = d->proxy->mapToSource(d->proxy->index(row, 0)).row();
            QVariant record = d->listModel->records().at(source);
            if (DeviceData::checkState(record) == checkState)
                continue;
            DeviceData::setCheckState(record, checkState);
            d->listModel->replaceRecord(source, record);
            changed.insert(NatSmsListModel::session(record).key, true);
            const int step = checkState == 2 ? 1 : -1;
            d->checked += step;
            d->shownChecked += step;
        }
        // The store's own rows of those conversations, whatever they hold else.
        const QList<QVariant> stored = store->records(DeviceData::DeviceGroup, typeId());
        for (int row = 0; row < stored.size() && !changed.isEmpty(); ++row) {
            if (changed.remove(NatSmsListModel::session(stored.at(row)).key) == 0)
                continue;
            QVariant record = stored.at(row);
            DeviceData::setCheckState(record, checkState);
            store->setRecord(DeviceData::DeviceGroup, typeId(), row, record);
        }
    } else {
        d->listModel->changeRecords([checkState](QVariant &record) {
            if (DeviceData::checkState(record) != checkState)
                DeviceData::setCheckState(record, checkState);
        });
        QList<QVariant> stored = store->records(DeviceData::DeviceGroup, typeId());
        for (QVariant &record : stored)
            DeviceData::setCheckState(record, checkState);
        store->setRecords(DeviceData::DeviceGroup, typeId(), stored);
        d->checked = checkState == 2 ? d->listModel->recordCount() : 0;
        d->shownChecked = checkState == 2 ? d->proxy->rowCount() : 0;
    }
    d->list->viewport()->update();
}

int NatSmsView::checkState(bool visibleOnly) const
{
    int checked = d->checked;
    int total = d->listModel->recordCount();
    if (visibleOnly) {
        checked = d->shownChecked;
        if (!d->proxy->canFetchMore(QModelIndex()))
            total = d->proxy->rowCount();
    }
    if (checked == 0 || total == 0)
        return 0;
    return checked == total ? 2 : 1;
}

CSortFilterProxyModel *NatSmsView::proxyModel() const
{
    return d->proxy;
}

void NatSmsView::setFilterMode(int mode)
{
    cancelSearch();
    emit started();
    AbstractDataView::setFilterMode(mode);
    d->listModel->loadAll();
    startSearch(d->keyword, mode, false, true);
}

void NatSmsView::search(const QString &keyword)
{
    cancelSearch();
    emit started();
    d->keyword = keyword;
    d->delegate->setKeyword(keyword);
    d->listModel->loadAll();
    // Without a keyword the list's own order comes back.
    startSearch(keyword, filterMode(), true, !keyword.isEmpty());
}

void NatSmsView::startSearch(const QString &keyword, int mode, bool announceCounts, bool newestFirst)
{
    auto job = std::make_shared<NatSmsSearchJob>();
    job->keyword = keyword;
    job->mode = mode;
    job->announceCounts = announceCounts;
    job->newestFirst = newestFirst;
    const QList<QVariant> &records = d->listModel->records();
    job->items.reserve(records.size());
    for (const QVariant &record : records) {
        const SMSSessionInfo &session = NatSmsListModel::session(record);
        job->items.append({session.key, session.displayName, session.deleted, session.lastMessage});
    }
    d->job = job;

    auto complete = [this](const std::shared_ptr<NatSmsSearchJob> &done, const QHash<QString, SearchResult> &results) {
        if (done != d->job)
            return;
        d->job.reset();
        QList<QVariant> records = d->listModel->records();
        for (QVariant &record : records) {
            SMSSessionInfo session = NatSmsListModel::session(record);
            const auto found = results.constFind(session.key);
            if (found == results.constEnd())
                continue;
            // Only what the search decides: a tick given meanwhile stays.
            session.valid = found->visible;
            if (found->moved) {
                session.lastMessage = found->message;
                session.time = found->time;
            }
            if (found->clearPreview)
                session.extra = QVariant();
            record = QVariant::fromValue(session);
        }
        d->listModel->resetRecords(records);
        if (done->newestFirst)
            d->proxy->sort(0, Qt::AscendingOrder);
        else
            d->proxy->sort(-1);
        recount(done->announceCounts);
        selectFirst();
        emit checkStateChanged();
        emit finish();
    };

    if (job->items.isEmpty()) {
        complete(job, {});
        return;
    }
    QPointer<NatSmsView> self(this);
    try {
        chatSearchPool().commit([job, self, complete] {
            QHash<QString, SearchResult> results = runSearchTask(*job);
            if (job->cancelled)
                return;
            runOnGuiThread([job, self, complete, results] {
                if (self)
                    complete(job, results);
            });
        });
    } catch (const std::runtime_error &) {
        // The pool has stopped: the program is ending.
        complete(job, {});
    }
}

void NatSmsView::cancelSearch()
{
    if (!d->job)
        return;
    d->job->cancelled = true;
    d->job.reset();
    emit finish();
}

bool NatSmsView::isSearching() const
{
    return d->job != nullptr;
}

void NatSmsView::recount(bool withSignals)
{
    int all = 0;
    int deleted = 0;
    d->shownChecked = 0;
    for (int row = 0; row < d->proxy->rowCount(); ++row) {
        const QModelIndex index = d->proxy->index(row, 0);
        ++all;
        deleted += index.data(DeletedRole).toBool() ? 1 : 0;
        d->shownChecked += index.data(CheckStateRole).toInt() == 2 ? 1 : 0;
    }
    if (withSignals) {
        emit indexCountChanged(0, all);
        emit indexCountChanged(1, all - deleted);
        emit indexCountChanged(2, deleted);
    }
}

void NatSmsView::selectFirst()
{
    if (d->proxy->rowCount() > 0) {
        const QModelIndex first = d->proxy->index(0, 0);
        d->choosing = true;
        d->list->setCurrentIndex(first);
        d->choosing = false;
        buildMessageRows(first);
        return;
    }
    d->smsModel->clear();
    d->smsModel->setTitle(QString());
    d->delegate->setCurrentRow(-1);
    d->shownKey.clear();
}

void NatSmsView::clear()
{
    cancelSearch();
    AbstractDataView::setFilterMode(0);
    d->proxy->setFilterMode(0);
    d->listModel->clear();
    d->smsModel->clear();
    d->proxy->sort(-1);
    d->smsModel->setTitle(QString());
    d->delegate->setKeyword(QString());
    d->delegate->setCurrentRow(-1);
    d->keyword.clear();
    d->shownKey.clear();
    d->checked = 0;
    d->shownChecked = 0;
}

void NatSmsView::onRowChosen(const QModelIndex &proxyIndex)
{
    if (d->choosing || !proxyIndex.isValid())
        return;
    const QString key = NatSmsListModel::session(proxyIndex.data(Qt::DisplayRole)).key;
    if (proxyIndex.row() == d->delegate->currentRow() && key == d->shownKey)
        return;
    buildMessageRows(proxyIndex);
}

void NatSmsView::buildMessageRows(const QModelIndex &proxyIndex)
{
    d->smsModel->clear();
    d->list->viewport()->update();
    if (!proxyIndex.isValid()) {
        d->delegate->setCurrentRow(-1);
        d->shownKey.clear();
        return;
    }
    d->delegate->setCurrentRow(proxyIndex.row());
    const QVariant record = proxyIndex.data(Qt::DisplayRole);
    const SMSSessionInfo &session = NatSmsListModel::session(record);
    d->shownKey = session.key;
    const DeviceParser *store = DeviceParser::instance();
    const SmsMessageList messages = store->smsMessages(session.key);
    if (messages.isEmpty())
        return;

    QString title = QObject::tr("To: ");
    const QStringList handles = messages.last().participants.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &handle : handles) {
        DeviceData::ContactInfo contact;
        if (store->findContactByNumber(handle, contact))
            title += QStringLiteral("%1(%2), ").arg(contact.sortName, handle);
        else
            title += handle + QLatin1String(", ");
    }
    if (title.endsWith(QLatin1String(", ")))
        title.chop(2);
    d->smsModel->setTitle(title);
    d->smsModel->showConversation(messages, session.displayName, d->delegate->keyword());
}

bool NatSmsView::eventFilter(QObject *watched, QEvent *event)
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

void NatSmsView::changeEvent(QEvent *event)
{
    // Texts set in code and the pane's texts follow the language.
    if (event->type() == QEvent::LanguageChange) {
        d->list->setAccessibleName(QObject::tr("Conversations"));
        if (d->quick->engine())
            d->quick->engine()->retranslate();
        d->list->viewport()->update();
    }
    AbstractDataView::changeEvent(event);
}

QListView *NatSmsView::listView() const
{
    return d->list;
}

NatSmsListModel *NatSmsView::listModel() const
{
    return d->listModel;
}

NatSmsItemDelegate *NatSmsView::itemDelegate() const
{
    return d->delegate;
}

NatSmsModel *NatSmsView::messageModel() const
{
    return d->smsModel;
}

QQuickWidget *NatSmsView::quickWidget() const
{
    return d->quick;
}

int NatSmsView::checkedCount() const
{
    return d->checked;
}

int NatSmsView::shownCheckedCount() const
{
    return d->shownChecked;
}
