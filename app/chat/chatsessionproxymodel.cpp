#include "chatsessionproxymodel.h"

#include "chatsessionmodel.h"
#include "itemroles.h"

ChatSessionProxyModel::ChatSessionProxyModel(QObject *parent)
    : CSortFilterProxyModel(parent)
{
}

int ChatSessionProxyModel::kind() const
{
    return m_kind;
}

void ChatSessionProxyModel::setKind(int kind)
{
    m_kind = kind;
}

bool ChatSessionProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto *sessions = qobject_cast<const ChatSessionModel *>(sourceModel());
    if (!sessions)
        return false;
    const QVariant session = sessions->index(sourceRow, 0, sourceParent).data(Qt::DisplayRole);
    return sessions->isVisible(session) && sessions->kindOf(session) == m_kind;
}

bool ChatSessionProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (left.column() != 0)
        return CSortFilterProxyModel::lessThan(left, right);
    return left.data(TimeRole).toLongLong() > right.data(TimeRole).toLongLong();
}
