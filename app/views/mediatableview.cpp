#include "mediatableview.h"

#include "devicedata.h"
#include "deviceparser.h"
#include "filtrationdialog.h"
#include "itemroles.h"
#include "mediaitemdelegate.h"
#include "medialistmodel.h"
#include "mediaproxymodel.h"
#include "recordaccess.h"
#include "thumbnailloader.h"

#include <QEvent>
#include <QImage>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

using DeviceData::MediaInfo;

namespace
{
    // Nothing in the grid is ever selected: an assistive tool's toggle, which
    // selects or deselects one tile, ticks it instead, as a click does.
    class TileSelectionModel : public QItemSelectionModel
    {
    public:
        TileSelectionModel(QAbstractItemModel *model, QObject *parent, std::function<void(const QModelIndex &)> toggle)
            : QItemSelectionModel(model, parent)
            , m_toggle(std::move(toggle))
        {
        }

        void select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override
        {
            if (index.isValid() && (command & (Select | Deselect)) && !(command & Toggle)) {
                m_toggle(index);
                return;
            }
            if (command & Clear)
                QItemSelectionModel::select(QItemSelection(), Clear);
        }

        void select(const QItemSelection &, QItemSelectionModel::SelectionFlags command) override
        {
            if (command & Clear)
                QItemSelectionModel::select(QItemSelection(), Clear);
        }

    private:
        std::function<void(const QModelIndex &)> m_toggle;
    };

    QString gridName(int typeId)
    {
        switch (typeId) {
        case DeviceData::MessagesAttachment:
            return MediaTableView::tr("Messages Attachment");
        case DeviceData::Photos:
            return MediaTableView::tr("Photos");
        case DeviceData::AlbumVideos:
            return MediaTableView::tr("Video in album");
        case DeviceData::NotesAttachment:
            return MediaTableView::tr("Notes Attachment");
        case DeviceData::CalendarsAttachment:
            return MediaTableView::tr("Calendars Attachment");
        case DeviceData::RemindersAttachment:
            return MediaTableView::tr("Reminders Attachment");
        case DeviceData::AppPhotos:
            return MediaTableView::tr("App Photos");
        case DeviceData::AppVideos:
            return MediaTableView::tr("App Videos");
        default:
            return QString();
        }
    }

    constexpr int ScrollPause = 200; // ms without scrolling before decoding
    constexpr int FillPause = 100;   // ms between looks at an unfilled grid
}

class MediaTableViewPrivate
{
public:
    QListView *listView = nullptr;
    MediaListModel *model = nullptr;
    MediaItemDelegate *delegate = nullptr;
    MediaProxyModel *proxy = nullptr;
    int group = 0;
    QTimer scrollTimer;
    QTimer fillTimer;
    int checkedAll = 0;   // checked records of the whole list
    int checkedShown = 0; // checked records among the proxy's rows
    QVector<int> window;  // record rows whose thumbnails are wanted
    QSet<int> windowSet;
    quint64 generation = 0; // raised whenever the rows change under the requests
    bool stopped = false;
    bool announceLists = true;
    QPointer<FiltrationDialog> filtrationDialog;
    // The process's loader; gone only after the application object.
    QPointer<ThumbnailLoader> loader;

    void cancelRequests(QObject *asker)
    {
        if (loader)
            loader->cancel(asker);
    }
};

MediaTableView::MediaTableView(int group, int typeId, QWidget *parent)
    : MediaTableView(group, typeId, new MediaListModel, new MediaProxyModel(group, typeId), nullptr, parent)
{
    d->listView->setAccessibleName(gridName(typeId));
}

MediaTableView::MediaTableView(int group, int typeId, MediaListModel *model, MediaProxyModel *proxy,
                               MediaItemDelegate *delegate, QWidget *parent)
    : AbstractDataView(typeId, parent)
    , d(new MediaTableViewPrivate)
{
    d->group = group;
    d->model = model;
    d->proxy = proxy;
    d->delegate = delegate ? delegate : new MediaItemDelegate(typeId, proxy);
    d->model->setParent(this);
    d->proxy->setParent(this);
    d->delegate->setParent(this);
    d->loader = ThumbnailLoader::instance();
    setUp();
}

MediaTableView::~MediaTableView()
{
    // Answers still on their way are dropped; no decode is waited for.
    d->cancelRequests(this);
}

void MediaTableView::setUp()
{
    d->listView = new QListView(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(d->listView);

    d->proxy->setSourceModel(d->model);
    d->proxy->setDynamicSortFilter(false);

    QListView *list = d->listView;
    list->setViewMode(QListView::IconMode);
    // Tiles stay where the flow puts them; one size for all, so tens of
    // thousands are laid out in one pass.
    list->setMovement(QListView::Static);
    list->setUniformItemSizes(true);
    list->setResizeMode(QListView::Adjust);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->horizontalScrollBar()->hide();
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setFrameShape(QFrame::NoFrame);
    list->setDragEnabled(false);
    list->setSpacing(12);
    list->setMouseTracking(true);
    list->viewport()->setAttribute(Qt::WA_Hover);
    list->setProperty("style", QStringLiteral("white"));
    list->setModel(d->proxy);
    list->setItemDelegate(d->delegate);
    QItemSelectionModel *previous = list->selectionModel();
    list->setSelectionModel(
        new TileSelectionModel(d->proxy, list, [this](const QModelIndex &index) { toggle(index); }));
    delete previous;
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);

    d->scrollTimer.setSingleShot(true);
    d->fillTimer.setSingleShot(true);
    connect(&d->scrollTimer, &QTimer::timeout, this, [this] { loadVisibleThumbnails(false); });
    connect(&d->fillTimer, &QTimer::timeout, this, &MediaTableView::fillViewport);
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { d->scrollTimer.start(ScrollPause); });
    connect(list, &QListView::clicked, this, &MediaTableView::toggle);
}

int MediaTableView::group() const
{
    return d->group;
}

QListView *MediaTableView::listView() const
{
    return d->listView;
}

MediaListModel *MediaTableView::mediaModel() const
{
    return d->model;
}

MediaProxyModel *MediaTableView::mediaProxy() const
{
    return d->proxy;
}

MediaItemDelegate *MediaTableView::itemDelegate() const
{
    return d->delegate;
}

FiltrationDialog *MediaTableView::filtrationDialog() const
{
    return d->filtrationDialog;
}

QVector<int> MediaTableView::windowRows() const
{
    return d->window;
}

bool MediaTableView::eventFilter(QObject *watched, QEvent *event)
{
    // A grid that grows shows tiles the last window did not cover.
    if (watched == d->listView->viewport() && event->type() == QEvent::Resize)
        d->scrollTimer.start(ScrollPause);
    // Space ticks the current tile as a click does.
    if (watched == d->listView && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier && d->listView->currentIndex().isValid()) {
            toggle(d->listView->currentIndex());
            return true;
        }
    }
    return AbstractDataView::eventFilter(watched, event);
}

void MediaTableView::appendItem(const QVariant &record)
{
    const int shown = d->model->rowCount();
    d->model->appendItem(record);
    if (d->model->rowCount() > shown) {
        if (!d->scrollTimer.isActive())
            d->scrollTimer.start(ScrollPause);
    } else if (!d->fillTimer.isActive()) {
        // The grid hears nothing of a record it does not show yet: look
        // whether it has room for it.
        d->fillTimer.start(FillPause);
    }
}

void MediaTableView::setDataList(const QList<QVariant> &records)
{
    ++d->generation;
    d->cancelRequests(this);
    d->window.clear();
    d->windowSet.clear();
    d->model->setDataList(records);
    int checked = 0;
    for (const QVariant &record : d->model->records())
        checked += DeviceData::checkState(record) == 2 ? 1 : 0;
    d->checkedAll = checked;
    d->checkedShown = checked;
    loadVisibleThumbnails(true);
    if (d->announceLists)
        emit checkStateChanged();
}

void MediaTableView::setCheckEnabled(bool enabled)
{
    const QList<QVariant> records = d->model->records();
    for (int row = 0; row < records.size(); ++row) {
        if (DeviceData::isCheckable(records.at(row)) == enabled)
            continue;
        QVariant record = records.at(row);
        if (DeviceData::setCheckable(record, enabled))
            d->model->setRecord(row, record);
    }
}

void MediaTableView::setAllChecked(int checkState, bool visibleOnly, bool)
{
    const bool onlyShown = visibleOnly && !d->proxy->canFetchMore(QModelIndex());
    QVector<int> rows;
    if (onlyShown) {
        const int shown = d->proxy->rowCount();
        rows.reserve(shown);
        for (int row = 0; row < shown; ++row)
            rows.append(d->proxy->mapToSource(d->proxy->index(row, 0)).row());
    } else {
        rows.reserve(d->model->recordCount());
        for (int row = 0; row < d->model->recordCount(); ++row)
            rows.append(row);
    }
    int changed = 0;
    for (int row : qAsConst(rows)) {
        QVariant record = d->model->recordAt(row);
        if (DeviceData::checkState(record) != checkState && DeviceData::setCheckState(record, checkState)) {
            d->model->setRecord(row, record);
            ++changed;
        }
    }
    writeStoreStates(rows, checkState);
    if (onlyShown) {
        const int delta = checkState == 2 ? changed : -changed;
        d->checkedAll = std::max(0, d->checkedAll + delta);
        d->checkedShown = std::max(0, d->checkedShown + delta);
    } else {
        const bool checked = checkState == 2;
        d->checkedAll = checked ? d->model->recordCount() : 0;
        d->checkedShown = checked ? shownAfterCheckingAll() : 0;
    }
    d->listView->viewport()->update();
}

int MediaTableView::shownAfterCheckingAll() const
{
    // Rows still to be loaded count as shown: no filter hides any yet.
    return d->proxy->canFetchMore(QModelIndex()) ? d->model->recordCount() : d->proxy->rowCount();
}

int MediaTableView::checkState(bool visibleOnly) const
{
    int checked = 0;
    int total = 0;
    if (visibleOnly && !d->proxy->canFetchMore(QModelIndex())) {
        checked = d->checkedShown;
        total = d->proxy->rowCount();
    } else {
        checked = visibleOnly ? d->checkedShown : d->checkedAll;
        total = d->model->recordCount();
    }
    if (checked == 0 || total == 0)
        return Qt::Unchecked;
    return checked >= total ? Qt::Checked : Qt::PartiallyChecked;
}

CSortFilterProxyModel *MediaTableView::proxyModel() const
{
    return d->proxy;
}

void MediaTableView::setFilterMode(int mode)
{
    fetchAll();
    d->proxy->setFilterMode(mode);
    d->proxy->refilter();
    recountChecked(false);
    restartLoading();
    if (d->announceLists)
        emit checkStateChanged();
}

void MediaTableView::showFiltrationDialog()
{
    if (!d->filtrationDialog) {
        d->filtrationDialog = new FiltrationDialog(this);
        connect(d->filtrationDialog, &FiltrationDialog::sigFliter, this, &MediaTableView::applyFiltration);
    }
    d->filtrationDialog->restoreChoice();
    d->filtrationDialog->show();
}

void MediaTableView::search(const QString &keyword)
{
    fetchAll();
    d->model->setKeyword(keyword);
    d->proxy->setKeyword(keyword);
    d->proxy->refilter();
    recountChecked(true);
    restartLoading();
    if (d->announceLists)
        emit checkStateChanged();
    d->listView->viewport()->update();
}

void MediaTableView::stopLoading()
{
    d->stopped = true;
    ++d->generation;
    d->scrollTimer.stop();
    d->cancelRequests(this);
    d->window.clear();
    d->windowSet.clear();
}

void MediaTableView::clear()
{
    AbstractDataView::setFilterMode(0);
    AbstractDataView::setFilterFlag(0);
    ++d->generation;
    d->cancelRequests(this);
    d->scrollTimer.stop();
    d->fillTimer.stop();
    d->window.clear();
    d->windowSet.clear();
    d->model->clear();
    d->proxy->invalidate();
    d->model->setKeyword(QString());
    d->proxy->setKeyword(QString());
}

void MediaTableView::showCurrent()
{
    if (d->filtrationDialog)
        d->filtrationDialog->retranslateUi();
}

void MediaTableView::loadVisibleThumbnails(bool force)
{
    if (d->stopped || d->proxy->rowCount() == 0)
        return;
    const int first = firstVisibleRow();
    if (first < 0)
        return;
    const int end = std::min(d->proxy->rowCount(), std::max(first + WindowTiles, lastVisibleRow(first) + 1));
    QVector<int> window;
    window.reserve(end - first);
    for (int row = first; row < end; ++row)
        window.append(d->proxy->mapToSource(d->proxy->index(row, 0)).row());
    if (!force && window == d->window)
        return;
    const QSet<int> windowSet(window.cbegin(), window.cend());
    for (int row : qAsConst(d->window)) {
        if (!windowSet.contains(row))
            d->model->setData(d->model->index(row), QPixmap(), ThumbnailSilentRole);
    }
    d->window = window;
    d->windowSet = windowSet;
    // Asked again from scratch: the loader decodes each file once however
    // often it is asked, and drops what this view no longer wants.
    d->cancelRequests(this);
    for (int row : qAsConst(window)) {
        if (!d->model->hasThumbnail(row))
            requestThumbnail(row);
    }
}

void MediaTableView::applyTimeSpan(int choice, int fromDays, int toDays, const QDateTime &reference)
{
    qint64 minDays = 0;
    qint64 maxDays = 0;
    switch (choice) {
    case 1:
        maxDays = 7;
        break;
    case 2:
        maxDays = 30;
        break;
    case 3:
        maxDays = 90;
        break;
    case 4:
        maxDays = 181;
        break;
    case 5:
        maxDays = 365;
        break;
    case FiltrationDialog::CustomRange:
        minDays = fromDays;
        maxDays = toDays;
        break;
    default:
        break;
    }
    d->proxy->setTimeSpan(choice, reference, minDays, maxDays);
    fetchAll();
    d->proxy->refilter();
    restartLoading();
    recountChecked(true);
    emit checkStateChanged();
}

QList<QVariant> MediaTableView::storedRecords() const
{
    return DeviceParser::instance()->records(d->group, typeId());
}

void MediaTableView::storeRecord(int row, const QVariant &record)
{
    DeviceParser::instance()->setRecord(d->group, typeId(), row, record);
}

void MediaTableView::storeRecords(const QList<QVariant> &records)
{
    DeviceParser::instance()->setRecords(d->group, typeId(), records);
}

void MediaTableView::setAnnouncesListChanges(bool announce)
{
    d->announceLists = announce;
}

void MediaTableView::toggle(const QModelIndex &proxyIndex)
{
    const QModelIndex source = proxyIndex.model() == d->proxy ? d->proxy->mapToSource(proxyIndex) : proxyIndex;
    if (!source.isValid() || source.model() != d->model || !source.data(CheckableRole).toBool())
        return;
    const int state = source.data(CheckStateRole).toInt() != 0 ? 0 : 2;
    if (!d->model->setData(source, state, CheckStateRole))
        return;
    const int delta = state == 2 ? 1 : -1;
    d->checkedAll = std::max(0, d->checkedAll + delta);
    d->checkedShown = std::max(0, d->checkedShown + delta);
    writeStoreStates({source.row()}, state);
    emit checkStateChanged();
}

int MediaTableView::writeStoreStates(const QVector<int> &rows, int state)
{
    // The store's own records get the state: fields the grid's copies may
    // lack stay as the store has them, and records it does not hold stay.
    QList<QVariant> stored = storedRecords();
    if (rows.size() == 1) {
        const int row = rows.first();
        QVariant record = stored.value(row);
        stored.clear();
        if (!record.isValid() || DeviceData::checkState(record) == state || !DeviceData::setCheckState(record, state))
            return 0;
        storeRecord(row, record);
        return 1;
    }
    int changed = 0;
    for (int row : rows) {
        if (row >= 0 && row < stored.size() && DeviceData::checkState(stored.at(row)) != state
            && DeviceData::setCheckState(stored[row], state))
            ++changed;
    }
    if (changed > 0)
        storeRecords(stored);
    return changed;
}

void MediaTableView::recountChecked(bool emitCounts)
{
    int checked = 0;
    int existing = 0;
    int deleted = 0;
    const int shown = d->proxy->rowCount();
    const QList<QVariant> &records = d->model->records();
    for (int row = 0; row < shown; ++row) {
        const int source = d->proxy->mapToSource(d->proxy->index(row, 0)).row();
        const QVariant &record = records.at(source);
        checked += DeviceData::checkState(record) == 2 ? 1 : 0;
        if (DeviceData::isDeleted(record))
            ++deleted;
        else
            ++existing;
    }
    d->checkedShown = checked;
    if (emitCounts) {
        emit indexCountChanged(0, existing + deleted);
        emit indexCountChanged(1, existing);
        emit indexCountChanged(2, deleted);
    }
}

void MediaTableView::fetchAll()
{
    d->model->loadAll();
}

void MediaTableView::restartLoading()
{
    // Answers asked for the old rows are no longer wanted.
    ++d->generation;
    d->cancelRequests(this);
    loadVisibleThumbnails(true);
}

void MediaTableView::fillViewport()
{
    const int height = d->listView->viewport()->height();
    while (d->model->canFetchMore(QModelIndex())) {
        const int rows = d->proxy->rowCount();
        if (rows > 0 && d->listView->visualRect(d->proxy->index(rows - 1, 0)).top() >= height)
            break;
        d->model->fetchMore(QModelIndex());
    }
    if (!d->scrollTimer.isActive())
        d->scrollTimer.start(ScrollPause);
}

int MediaTableView::firstVisibleRow() const
{
    // The tile at the left edge, at most one tile and its spacing down.
    const int spacing = d->listView->spacing();
    for (int y = spacing + 1; y <= MediaItemDelegate::TileSide + spacing; ++y) {
        const QModelIndex index = d->listView->indexAt(QPoint(spacing + 1, y));
        if (index.isValid())
            return index.row();
    }
    return -1;
}

int MediaTableView::lastVisibleRow(int first) const
{
    const int height = d->listView->viewport()->height();
    const int rows = d->proxy->rowCount();
    int last = first;
    for (int row = first; row < rows; ++row) {
        if (d->listView->visualRect(d->proxy->index(row, 0)).top() >= height)
            break;
        last = row;
    }
    return last;
}

void MediaTableView::requestThumbnail(int sourceRow)
{
    const QVariant record = d->model->recordAt(sourceRow);
    const MediaInfo &media = MediaListModel::mediaOf(record);
    // A video's picture is its still, made elsewhere; the video itself is
    // never decoded here.
    if (media.mediaKind == DeviceData::VideoKind && media.preview.isEmpty())
        return;
    const QString path = MediaListModel::picturePath(record);
    if (path.isEmpty())
        return;
    ThumbnailLoader *loader = d->loader;
    if (!loader)
        return;
    const ThumbnailLoader::Spec spec = ThumbnailLoader::mediaTile();
    QImage image;
    if (loader->lookup(path, media.suffix, spec, &image)) {
        if (!image.isNull())
            d->model->setData(d->model->index(sourceRow), QPixmap::fromImage(image), ThumbnailRole);
        return;
    }
    const quint64 generation = d->generation;
    loader->request(path, media.suffix, spec, this, [this, generation, sourceRow, path](const QImage &image) {
        onThumbnail(generation, sourceRow, path, image);
    });
}

void MediaTableView::onThumbnail(quint64 generation, int sourceRow, const QString &path, const QImage &image)
{
    if (generation != d->generation || d->stopped || image.isNull() || !d->windowSet.contains(sourceRow)
        || sourceRow >= d->model->recordCount() || MediaListModel::picturePath(d->model->recordAt(sourceRow)) != path)
        return;
    d->model->setData(d->model->index(sourceRow), QPixmap::fromImage(image), ThumbnailRole);
}

void MediaTableView::applyFiltration()
{
    if (!d->filtrationDialog)
        return;
    FiltrationDialog *dialog = d->filtrationDialog;
    applyTimeSpan(dialog->choice(), dialog->fromDays(), dialog->toDays(), QDateTime::currentDateTime());
    dialog->close();
}
