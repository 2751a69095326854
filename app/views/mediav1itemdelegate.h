#pragma once

#include "mediaitemdelegate.h"

// The tiles of a chat attachment grid: MediaItemDelegate's, with the chat
// views' play mark (32 x 32) over a video's still.
class MediaV1ItemDelegate : public MediaItemDelegate
{
    Q_OBJECT

public:
    MediaV1ItemDelegate(int kind, MediaProxyModel *proxy, QObject *parent = nullptr);
};
