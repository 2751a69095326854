#include "csortfilterproxymodel.h"

CSortFilterProxyModel::CSortFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

int CSortFilterProxyModel::filterMode() const
{
    return m_filterMode;
}

void CSortFilterProxyModel::setFilterMode(int mode)
{
    m_filterMode = mode;
}

void CSortFilterProxyModel::refilter()
{
    // Rebuilds the mapping in one pass; invalidateFilter() would remove the
    // rows that no longer pass one run at a time, which takes minutes on a
    // million rows.
    invalidate();
}
