#include "docsv1tableview.h"

#include "checkableheaderview.h"
#include "checkabletableview.h"
#include "docsv1proxymodel.h"
#include "docsv1tablemodel.h"
#include "recordaccess.h"

#include <QCheckBox>

DocsV1TableView::DocsV1TableView(int ownerCategory, int kind, QWidget *parent)
    : DocsTableView(ownerCategory, new DocsV1TableModel(ownerCategory, kind), new DocsV1ProxyModel(ownerCategory, kind),
                    parent)
{
    m_model = static_cast<DocsV1TableModel *>(tableModel());
    setAnnouncesListChanges(false);
    tableView()->setAccessibleName(kind == 1 ? tr("Audios") : tr("Documents"));
}

int DocsV1TableView::ownerCategory() const
{
    return group();
}

void DocsV1TableView::setSessionLists(const QMap<int, QList<QVariant>> &lists)
{
    QList<QVariant> records;
    for (const QList<QVariant> &list : lists)
        records += list;
    m_model->setOrigins(lists);
    DocsTableView::setDataList(records);
}

int DocsV1TableView::recordCount() const
{
    return m_model->recordCount();
}

void DocsV1TableView::countExistingDeleted(int &existing, int &deleted) const
{
    for (const QVariant &record : m_model->records()) {
        if (DeviceData::isDeleted(record))
            ++deleted;
        else
            ++existing;
    }
}

void DocsV1TableView::appendItem(const QVariant &record)
{
    appendItemByKind(typeId(), record);
}

void DocsV1TableView::appendItemByKind(int kind, const QVariant &record)
{
    m_model->appendOrigin(kind);
    DocsTableView::appendItem(record);
}

void DocsV1TableView::setDataList(const QList<QVariant> &records)
{
    m_model->setOrigins(typeId(), records.size());
    DocsTableView::setDataList(records);
}

void DocsV1TableView::setCheckEnabled(bool enabled)
{
    // Every record, whatever the first one says.
    m_model->setAllCheckable(enabled);
    CheckableHeaderView *header = tableView()->checkableHeader();
    header->checkBox()->setEnabled(enabled);
    header->setSectionsClickable(enabled);
}

void DocsV1TableView::clear()
{
    DocsTableView::clear();
    m_model->clearOrigins();
}
