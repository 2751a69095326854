#pragma once

#include "mediaproxymodel.h"

// The proxy of a chat attachment grid: the keyword and the filter mode, no
// time span, whatever the page.
class MediaV1ProxyModel : public MediaProxyModel
{
    Q_OBJECT

public:
    // group: the attachment category; kind: the page (2 photos, 0 videos).
    MediaV1ProxyModel(int group, int kind, QObject *parent = nullptr);
};
