#include "calendarstableview.h"

#include "calendarsproxymodel.h"
#include "calendarstablemodel.h"
#include "checkabletableview.h"
#include "checktoggleselectionmodel.h"
#include "devicedata.h"

#include <QEvent>

CalendarsTableView::CalendarsTableView(int group, int typeId, QWidget *parent)
    : TableDataView(group, new CalendarsTableModel(group, typeId), new CalendarsProxyModel(group, typeId), parent)
{
    setColumnWidths({50, 190});
    CheckableTableView *table = tableView();
    // Rows are ticked, never selected, so an assistive tool's toggle ticks.
    QItemSelectionModel *previous = table->selectionModel();
    table->setSelectionModel(new CheckToggleSelectionModel(proxyModel(), table, [table](const QModelIndex &index) {
        emit table->checkBoxClicked(index.siblingAtColumn(0));
    }));
    delete previous;
    connect(table, &CheckableTableView::clicked, this, &CalendarsTableView::tableClicked);
    nameTable();
}

void CalendarsTableView::nameTable()
{
    tableView()->setAccessibleName(typeId() == DeviceData::Calendars ? tr("Calendars") : tr("Reminders"));
}

void CalendarsTableView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        nameTable();
    TableDataView::changeEvent(event);
}

void CalendarsTableView::setDataList(const QList<QVariant> &records)
{
    TableDataView::setDataList(records);
    showFirstRow();
}

void CalendarsTableView::setFilterMode(int mode)
{
    TableDataView::setFilterMode(mode);
    showFirstRow();
}

void CalendarsTableView::search(const QString &keyword)
{
    TableDataView::search(keyword);
    showFirstRow();
}

void CalendarsTableView::showCurrent()
{
    emit tableClicked(tableView()->currentIndex());
}

void CalendarsTableView::showFirstRow()
{
    const QModelIndex first = proxyModel()->index(0, 0);
    tableView()->setCurrentIndex(first);
    emit tableClicked(first);
}
