#pragma once

#include "detailcarddelegate.h"

// Paints the detail card of a note (DetailCardDelegate): an attachment's tile
// is decoded from the attachment's preview file (the picture itself, a
// video's still or the icon of its kind).
class MemoInfoDelegate : public DetailCardDelegate
{
    Q_OBJECT

public:
    explicit MemoInfoDelegate(QObject *parent = nullptr);

protected:
    QString tilePicturePath(const DeviceData::MediaInfo &attachment) const override;
};
