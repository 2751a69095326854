#pragma once

#include "docsproxymodel.h"

// The proxy of a chat attachment documents page: DocsProxyModel's filter
// and order.
class DocsV1ProxyModel : public DocsProxyModel
{
    Q_OBJECT

public:
    DocsV1ProxyModel(int ownerCategory, int kind, QObject *parent = nullptr);
};
