#include "wachatproxymodel.h"

WaChatProxyModel::WaChatProxyModel(QObject *parent)
    : ChatSessionProxyModel(parent)
{
}

int WaChatProxyModel::sessionType() const
{
    return kind();
}

void WaChatProxyModel::setSessionType(int type)
{
    setKind(type);
}
