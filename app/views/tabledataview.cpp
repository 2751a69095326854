#include "tabledataview.h"

#include "categorysortmodel.h"
#include "categorytablemodel.h"
#include "checkableheaderview.h"
#include "checkabletableview.h"
#include "recordaccess.h"

#include <QCheckBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

class TableDataViewPrivate
{
public:
    CheckableTableView *table = nullptr;
    CategoryTableModel *model = nullptr;
    CategorySortModel *proxy = nullptr;
    int group = 0;
    int checkedAll = 0;   // checked records of the whole list
    int checkedShown = 0; // checked records among the shown rows

    // A new list's checked records are counted a slice per turn of the event
    // loop, so that setting a list costs its first page only; whatever needs
    // the counts first finishes the count at once.
    static constexpr int CountSlice = 50000;
    QTimer countTimer;
    int countedRows = 0;
    int countEnd = 0;
    bool announce = false; // checkStateChanged is owed for the list
    bool announceLists = true;

    bool counting() const { return countedRows < countEnd; }

    void countSlice(int rows)
    {
        const QList<QVariant> &records = model->records();
        const int end = std::min({countEnd, countedRows + rows, int(records.size())});
        int checked = 0;
        for (int row = countedRows; row < end; ++row)
            checked += DeviceData::checkState(records.at(row)) == 2 ? 1 : 0;
        checkedAll += checked;
        checkedShown += checked;
        countedRows = end;
        if (end < countEnd && end == records.size())
            countEnd = end;
    }

    void finishCount()
    {
        if (counting())
            countSlice(countEnd - countedRows);
    }
};

TableDataView::TableDataView(int group, CategoryTableModel *model, CategorySortModel *proxy, QWidget *parent)
    : AbstractDataView(model->typeId(), parent)
    , d(new TableDataViewPrivate)
{
    d->group = group;
    d->model = model;
    d->proxy = proxy;
    model->setParent(this);
    proxy->setParent(this);
    d->table = new CheckableTableView(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(d->table);

    proxy->setSourceModel(model);
    proxy->setDynamicSortFilter(false);
    d->table->setModel(proxy);
    CheckableHeaderView *header = d->table->checkableHeader();
    header->checkBox()->setEnabled(false);
    header->setSectionsClickable(false);

    d->countTimer.setSingleShot(true);
    d->countTimer.setInterval(0);
    connect(&d->countTimer, &QTimer::timeout, this, &TableDataView::continueCount);

    connect(header, &CheckableHeaderView::checkBoxClicked, this, &TableDataView::onHeaderBoxClicked);
    connect(d->table, &CheckableTableView::checkBoxClicked, this, &TableDataView::onRowBoxClicked);
}

TableDataView::~TableDataView() = default;

int TableDataView::group() const
{
    return d->group;
}

CheckableTableView *TableDataView::tableView() const
{
    return d->table;
}

CategoryTableModel *TableDataView::tableModel() const
{
    return d->model;
}

int TableDataView::checkedCount(bool visibleOnly) const
{
    d->finishCount();
    return visibleOnly ? d->checkedShown : d->checkedAll;
}

void TableDataView::appendItem(const QVariant &record)
{
    d->model->appendItem(record);
}

void TableDataView::setDataList(const QList<QVariant> &records)
{
    d->model->setDataList(records);
    d->checkedAll = 0;
    d->checkedShown = 0;
    d->countedRows = 0;
    d->countEnd = d->model->recordCount();
    d->countSlice(TableDataViewPrivate::CountSlice);
    if (d->counting()) {
        d->announce = d->announceLists;
        d->countTimer.start();
        return;
    }
    d->announce = false;
    d->countTimer.stop();
    refreshHeaderBox();
    if (d->announceLists)
        emit checkStateChanged();
}

void TableDataView::continueCount()
{
    if (d->counting()) {
        d->countSlice(TableDataViewPrivate::CountSlice);
        if (d->counting()) {
            d->countTimer.start();
            return;
        }
    }
    if (d->announce) {
        d->announce = false;
        refreshHeaderBox();
        emit checkStateChanged();
    }
}

void TableDataView::setCheckEnabled(bool enabled)
{
    if (d->model->recordCount() > 0 && !DeviceData::isCheckable(d->model->records().first()))
        d->model->setAllCheckable(enabled);
    CheckableHeaderView *header = d->table->checkableHeader();
    header->checkBox()->setEnabled(enabled);
    header->setSectionsClickable(enabled);
}

void TableDataView::setAllChecked(int checkState, bool visibleOnly, bool refreshHeader)
{
    d->finishCount();
    if (visibleOnly && allRowsLoaded()) {
        const int changed = d->model->setRowsCheckState(shownSourceRows(), checkState);
        const int delta = checkState == 2 ? changed : -changed;
        d->checkedAll = std::max(0, d->checkedAll + delta);
        d->checkedShown = std::max(0, d->checkedShown + delta);
    } else {
        d->model->setAllRowsCheckState(checkState);
        const bool checked = checkState == 2;
        d->checkedAll = checked ? d->model->recordCount() : 0;
        // Rows still to be loaded count as shown: no filter hides any yet.
        d->checkedShown = !checked ? 0 : allRowsLoaded() ? d->proxy->rowCount() : d->model->recordCount();
    }
    if (refreshHeader)
        refreshHeaderBox();
    d->table->viewport()->update();
}

int TableDataView::checkState(bool visibleOnly) const
{
    d->finishCount();
    const int checked = visibleOnly ? d->checkedShown : d->checkedAll;
    const int total = visibleOnly && allRowsLoaded() ? d->proxy->rowCount() : d->model->recordCount();
    if (checked == 0 || total == 0)
        return Qt::Unchecked;
    return checked >= total ? Qt::Checked : Qt::PartiallyChecked;
}

CSortFilterProxyModel *TableDataView::proxyModel() const
{
    return d->proxy;
}

void TableDataView::setFilterMode(int mode)
{
    d->proxy->setFilterMode(mode);
    // Filtering the loaded page first and the rest as it is inserted passes
    // over each row once.
    d->proxy->refilter();
    d->model->loadAll();
    recount(false);
    refreshHeaderBox();
    if (d->announceLists)
        emit checkStateChanged();
}

void TableDataView::search(const QString &keyword)
{
    d->model->setKeyword(keyword);
    d->proxy->setKeyword(keyword);
    d->model->loadAll();
    recount(true);
    refreshHeaderBox();
    if (d->announceLists)
        emit checkStateChanged();
    d->table->viewport()->update();
}

void TableDataView::clear()
{
    d->countTimer.stop();
    d->countedRows = d->countEnd = 0;
    d->announce = false;
    AbstractDataView::setFilterMode(0);
    AbstractDataView::setFilterFlag(0);
    d->model->clear();
    d->proxy->invalidate();
    d->model->setKeyword(QString());
    d->proxy->setKeyword(QString());
}

void TableDataView::setAnnouncesListChanges(bool announce)
{
    d->announceLists = announce;
}

void TableDataView::setColumnWidths(const QList<int> &widths)
{
    for (int column = 0; column < widths.size(); ++column)
        d->table->setColumnWidth(column, widths.at(column));
}

bool TableDataView::allRowsLoaded() const
{
    return d->model->allLoaded();
}

QVector<int> TableDataView::shownSourceRows() const
{
    const int rows = d->proxy->rowCount();
    QVector<int> sourceRows;
    sourceRows.reserve(rows);
    for (int row = 0; row < rows; ++row)
        sourceRows.append(d->proxy->mapToSource(d->proxy->index(row, 0)).row());
    return sourceRows;
}

void TableDataView::recount(bool withSignals)
{
    d->finishCount();
    int checked = 0;
    int existing = 0;
    int deleted = 0;
    for (int row : shownSourceRows()) {
        checked += d->model->rowCheckState(row) == 2 ? 1 : 0;
        if (d->model->isRowDeleted(row))
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

void TableDataView::refreshHeaderBox()
{
    d->finishCount();
    Qt::CheckState state = Qt::Unchecked;
    if (d->checkedShown > 0) {
        const int total = allRowsLoaded() ? d->proxy->rowCount() : d->model->recordCount();
        state = d->checkedShown >= total ? Qt::Checked : Qt::PartiallyChecked;
    }
    QCheckBox *box = d->table->checkableHeader()->checkBox();
    const QSignalBlocker quiet(box);
    box->setCheckState(state);
}

void TableDataView::onHeaderBoxClicked()
{
    QCheckBox *box = d->table->checkableHeader()->checkBox();
    if (box->checkState() == Qt::PartiallyChecked) {
        const QSignalBlocker quiet(box);
        box->setCheckState(Qt::Checked);
    }
    setAllChecked(box->checkState(), true, false);
    emit checkStateChanged();
}

void TableDataView::onRowBoxClicked(const QModelIndex &proxyIndex)
{
    d->finishCount();
    const QModelIndex source = d->proxy->mapToSource(proxyIndex);
    if (!source.isValid() || !d->model->isRowCheckable(source.row()))
        return;
    const int state = d->model->rowCheckState(source.row()) == 2 ? Qt::Unchecked : Qt::Checked;
    if (!d->model->setRowCheckState(source.row(), state))
        return;
    const int delta = state == Qt::Checked ? 1 : -1;
    d->checkedAll = std::max(0, d->checkedAll + delta);
    d->checkedShown = std::max(0, d->checkedShown + delta);
    refreshHeaderBox();
    emit checkStateChanged();
}
