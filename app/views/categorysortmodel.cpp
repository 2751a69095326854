#include "categorysortmodel.h"

#include "categorytablemodel.h"

CategorySortModel::CategorySortModel(int group, int typeId, QObject *parent)
    : CSortFilterProxyModel(parent)
    , m_group(group)
    , m_typeId(typeId)
{
    // Text columns sort on what they show, without the highlight markup.
    setSortRole(Qt::AccessibleTextRole);
    setDynamicSortFilter(false);
}

int CategorySortModel::group() const
{
    return m_group;
}

int CategorySortModel::typeId() const
{
    return m_typeId;
}

void CategorySortModel::setSourceModel(QAbstractItemModel *model)
{
    m_table = qobject_cast<CategoryTableModel *>(model);
    CSortFilterProxyModel::setSourceModel(model);
}

void CategorySortModel::setKeyword(const QString &keyword)
{
    m_keyword = keyword;
    refilter();
}

QString CategorySortModel::keyword() const
{
    return m_keyword;
}

bool CategorySortModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (!m_table || sourceParent.isValid() || sourceRow >= m_table->recordCount())
        return false;
    if (!m_table->rowContains(sourceRow, m_keyword))
        return false;
    switch (filterMode()) {
    case 1:
        return !m_table->isRowDeleted(sourceRow);
    case 2:
        return m_table->isRowDeleted(sourceRow);
    default:
        return true;
    }
}

bool CategorySortModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (!m_table)
        return CSortFilterProxyModel::lessThan(left, right);
    const bool leftDeleted = m_table->isRowDeleted(left.row());
    const bool rightDeleted = m_table->isRowDeleted(right.row());
    if (leftDeleted != rightDeleted) {
        // Deleted rows first whichever way the column is sorted.
        return sortOrder() == Qt::AscendingOrder ? leftDeleted : rightDeleted;
    }
    if (leftDeleted || left.column() == m_table->dateColumn())
        return m_table->rowTime(left.row()) > m_table->rowTime(right.row());
    return CSortFilterProxyModel::lessThan(left, right);
}
