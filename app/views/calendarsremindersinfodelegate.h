#pragma once

#include "detailcarddelegate.h"

// Paints the detail card of a calendar event or reminder (DetailCardDelegate):
// an attachment's tile is decoded from the attachment's file.
class calendarsRemindersInfoDelegate : public DetailCardDelegate
{
    Q_OBJECT

public:
    explicit calendarsRemindersInfoDelegate(QObject *parent = nullptr);

protected:
    QString tilePicturePath(const DeviceData::MediaInfo &attachment) const override;
};
