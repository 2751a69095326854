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
    invalidateFilter();
}
