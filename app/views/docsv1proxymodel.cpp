#include "docsv1proxymodel.h"

DocsV1ProxyModel::DocsV1ProxyModel(int ownerCategory, int kind, QObject *parent)
    : DocsProxyModel(ownerCategory, kind, parent)
{
}
