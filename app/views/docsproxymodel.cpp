#include "docsproxymodel.h"

#include "docstablemodel.h"
#include "itemroles.h"

DocsProxyModel::DocsProxyModel(int group, int typeId, QObject *parent)
    : CategorySortModel(group, typeId, parent)
{
}

bool DocsProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto *docs = qobject_cast<const DocsTableModel *>(sourceModel());
    if (!docs || sourceParent.isValid() || sourceRow >= docs->recordCount())
        return false;
    const bool deleted = docs->isRowDeleted(sourceRow);
    if ((filterMode() == 1 && deleted) || (filterMode() == 2 && !deleted))
        return false;
    const QString pattern = keyword();
    if (pattern.isEmpty())
        return true;
    const QVariant &record = docs->records().at(sourceRow);
    return docs->cellText(record, DocsTableModel::NameColumn).contains(pattern, Qt::CaseInsensitive)
           || docs->cellText(record, DocsTableModel::SizeColumn).contains(pattern, Qt::CaseInsensitive);
}

bool DocsProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const auto *docs = qobject_cast<const DocsTableModel *>(sourceModel());
    if (!docs)
        return CategorySortModel::lessThan(left, right);
    const bool leftDeleted = docs->isRowDeleted(left.row());
    const bool rightDeleted = docs->isRowDeleted(right.row());
    if (leftDeleted != rightDeleted)
        return sortOrder() == Qt::AscendingOrder ? leftDeleted : rightDeleted;
    // The size of the row, whichever column is sorted.
    if (leftDeleted || left.column() == DocsTableModel::SizeColumn)
        return docs->rowSize(left.row()) > docs->rowSize(right.row());
    return CSortFilterProxyModel::lessThan(left, right);
}
