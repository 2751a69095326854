#include "linechatproxymodel.h"

LineChatProxyModel::LineChatProxyModel(QObject *parent)
    : ChatSessionProxyModel(parent)
{
}

int LineChatProxyModel::keepType() const
{
    return m_keepType;
}

void LineChatProxyModel::setKeepType(int type)
{
    m_keepType = type;
}
