#include "recordlistview.h"

#include "checktoggleselectionmodel.h"
#include "recordaccess.h"
#include "recordlistmodel.h"
#include "recordlistproxymodel.h"
#include "recordrowdelegate.h"
#include "viewstyle.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>

#include <algorithm>

class RecordListViewPrivate
{
public:
    QListView *list = nullptr;
    RecordListModel *model = nullptr;
    RecordListProxyModel *proxy = nullptr;
    RecordRowDelegate *delegate = nullptr;
    int group = 0;
    int checkedAll = 0;   // checked records of the whole list
    int checkedShown = 0; // checked records among the shown rows
    bool skipClick = false; // the click that follows a box's click

    QVector<int> shownSourceRows() const
    {
        const int rows = proxy->rowCount();
        QVector<int> sourceRows;
        sourceRows.reserve(rows);
        for (int row = 0; row < rows; ++row)
            sourceRows.append(proxy->mapToSource(proxy->index(row, 0)).row());
        return sourceRows;
    }
};

RecordListView::RecordListView(int group, int typeId, RecordListModel *model, RecordListProxyModel *proxy,
                               QWidget *parent)
    : AbstractDataView(typeId, parent)
    , d(new RecordListViewPrivate)
{
    d->group = group;
    d->model = model;
    d->proxy = proxy;
    model->setParent(this);
    proxy->setParent(this);
    proxy->setSourceModel(model);
    proxy->setDynamicSortFilter(false);

    QListView *list = d->list = new QListView(this);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setDragEnabled(false);
    list->setFrameShape(QFrame::NoFrame);
    list->setMouseTracking(true);
    list->setProperty("style", QStringLiteral("white"));
    list->setModel(proxy);
    QItemSelectionModel *previous = list->selectionModel();
    list->setSelectionModel(new CheckToggleSelectionModel(proxy, list, [this](const QModelIndex &index) {
        d->skipClick = false;
        onRowBoxClicked(index);
    }));
    delete previous;
    list->installEventFilter(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(list, 1);

    connect(list, &QListView::clicked, this, &RecordListView::onRowClicked);
}

void RecordListView::setDetailPane(QWidget *pane)
{
    auto *separator = new QWidget(this);
    separator->setFixedWidth(1);
    ViewStyle::fillWindow(separator, QColor(242, 242, 242));
    auto *layout = static_cast<QHBoxLayout *>(this->layout());
    layout->addWidget(separator, 0);
    layout->addWidget(pane, 2);
}

void RecordListView::setRowDelegate(RecordRowDelegate *delegate)
{
    d->delegate = delegate;
    d->list->setItemDelegate(delegate);
    connect(delegate, &RecordRowDelegate::checkBoxclicked, this, &RecordListView::onRowBoxClicked);
}

RecordListView::~RecordListView() = default;

int RecordListView::group() const
{
    return d->group;
}

QListView *RecordListView::listView() const
{
    return d->list;
}

RecordListModel *RecordListView::listModel() const
{
    return d->model;
}

RecordRowDelegate *RecordListView::rowDelegate() const
{
    return d->delegate;
}

RecordListProxyModel *RecordListView::listProxy() const
{
    return d->proxy;
}

int RecordListView::checkedCount(bool visibleOnly) const
{
    return visibleOnly ? d->checkedShown : d->checkedAll;
}

void RecordListView::appendItem(const QVariant &record)
{
    d->model->appendRecord(record);
}

void RecordListView::setDataList(const QList<QVariant> &records)
{
    d->model->setRecords(records);
    d->checkedAll = int(std::count_if(records.cbegin(), records.cend(),
                                      [](const QVariant &record) { return DeviceData::checkState(record) == 2; }));
    d->checkedShown = d->checkedAll;
    showFirstRow();
    emit checkStateChanged();
}

void RecordListView::setCheckEnabled(bool enabled)
{
    if (d->model->recordCount() > 0 && !DeviceData::isCheckable(d->model->records().first()))
        d->model->setAllCheckable(enabled);
}

void RecordListView::setAllChecked(int checkState, bool visibleOnly, bool)
{
    if (visibleOnly && d->model->allLoaded()) {
        const int changed = d->model->setRowsCheckState(d->shownSourceRows(), checkState);
        const int delta = checkState == 2 ? changed : -changed;
        d->checkedAll = std::max(0, d->checkedAll + delta);
        d->checkedShown = std::max(0, d->checkedShown + delta);
    } else {
        d->model->setAllRowsCheckState(checkState);
        const bool checked = checkState == 2;
        d->checkedAll = checked ? d->model->recordCount() : 0;
        // Rows still to be loaded count as shown: no filter hides any yet.
        d->checkedShown = !checked ? 0 : d->model->allLoaded() ? d->proxy->rowCount() : d->model->recordCount();
    }
    d->list->viewport()->update();
}

int RecordListView::checkState(bool visibleOnly) const
{
    const int checked = visibleOnly ? d->checkedShown : d->checkedAll;
    const int total = visibleOnly && d->model->allLoaded() ? d->proxy->rowCount() : d->model->recordCount();
    if (checked == 0 || total == 0)
        return Qt::Unchecked;
    return checked >= total ? Qt::Checked : Qt::PartiallyChecked;
}

CSortFilterProxyModel *RecordListView::proxyModel() const
{
    return d->proxy;
}

void RecordListView::setFilterMode(int mode)
{
    d->proxy->setFilterMode(mode);
    // Filtering the loaded page first and the rest as it is inserted passes
    // over each row once.
    d->proxy->refilter();
    d->model->loadAll();
    recount(false);
    showFirstRow();
    emit checkStateChanged();
}

void RecordListView::search(const QString &keyword)
{
    d->proxy->setKeyword(keyword);
    d->proxy->refilter();
    d->model->loadAll();
    recount(true);
    showFirstRow();
    emit checkStateChanged();
    d->list->viewport()->update();
}

void RecordListView::clear()
{
    AbstractDataView::setFilterMode(0);
    AbstractDataView::setFilterFlag(0);
    d->model->clearRecords();
    d->proxy->setKeyword(QString());
    d->proxy->refilter();
    d->delegate->setCurrentRow(-1);
    clearDetailPane();
}

void RecordListView::showCurrent()
{
    showRecord(d->list->currentIndex());
}

bool RecordListView::eventFilter(QObject *watched, QEvent *event)
{
    // Space ticks the current row as a click on its box would.
    if (watched == d->list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier && d->list->currentIndex().isValid()) {
            onRowBoxClicked(d->list->currentIndex());
            return true;
        }
    }
    return AbstractDataView::eventFilter(watched, event);
}

void RecordListView::showFirstRow()
{
    if (d->proxy->rowCount() == 0) {
        d->delegate->setCurrentRow(-1);
        clearDetailPane();
        d->list->viewport()->update();
        return;
    }
    const QModelIndex first = d->proxy->index(0, 0);
    d->list->setCurrentIndex(first);
    showRecord(first);
}

void RecordListView::recount(bool withSignals)
{
    int checked = 0;
    int existing = 0;
    int deleted = 0;
    const QList<QVariant> &records = d->model->records();
    for (int row : d->shownSourceRows()) {
        const QVariant &record = records.at(row);
        checked += DeviceData::checkState(record) == 2 ? 1 : 0;
        if (DeviceData::isDeleted(record))
            ++deleted;
        else
            ++existing;
    }
    d->checkedShown = checked;
    if (withSignals) {
        emit indexCountChanged(0, existing + deleted);
        emit indexCountChanged(1, existing);
        emit indexCountChanged(2, deleted);
    }
}

void RecordListView::onRowClicked(const QModelIndex &proxyIndex)
{
    if (!d->skipClick)
        showRecord(proxyIndex);
    d->skipClick = false;
}

void RecordListView::onRowBoxClicked(const QModelIndex &proxyIndex)
{
    d->skipClick = true;
    const QModelIndex source = d->proxy->mapToSource(proxyIndex);
    if (!source.isValid())
        return;
    const QVariant &record = d->model->records().at(source.row());
    if (!DeviceData::isCheckable(record))
        return;
    // Any state but unchecked (a partly checked record too) becomes unchecked.
    const int state = DeviceData::checkState(record) != 0 ? Qt::Unchecked : Qt::Checked;
    if (!d->model->setRowCheckState(source.row(), state))
        return;
    const int delta = state == Qt::Checked ? 1 : -1;
    d->checkedAll = std::max(0, d->checkedAll + delta);
    d->checkedShown = std::max(0, d->checkedShown + delta);
    emit checkStateChanged();
}
