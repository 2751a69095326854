#include "mediav1proxymodel.h"

MediaV1ProxyModel::MediaV1ProxyModel(int group, int kind, QObject *parent)
    : MediaProxyModel(group, kind, true, parent)
{
}
