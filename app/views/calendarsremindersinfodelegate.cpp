#include "calendarsremindersinfodelegate.h"

#include "devicedata.h"

calendarsRemindersInfoDelegate::calendarsRemindersInfoDelegate(QObject *parent)
    : DetailCardDelegate(10, parent)
{
}

QString calendarsRemindersInfoDelegate::tilePicturePath(const DeviceData::MediaInfo &attachment) const
{
    return attachment.path;
}
