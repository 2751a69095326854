#include "natsmsproxymodel.h"

#include "natsmslistmodel.h"

NatSmsProxyModel::NatSmsProxyModel(QObject *parent)
    : CSortFilterProxyModel(parent)
{
}

bool NatSmsProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return NatSmsListModel::session(index.data(Qt::DisplayRole)).valid;
}

bool NatSmsProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (left.column() != 0)
        return CSortFilterProxyModel::lessThan(left, right);
    return NatSmsListModel::session(left.data(Qt::DisplayRole)).time
           > NatSmsListModel::session(right.data(Qt::DisplayRole)).time;
}
