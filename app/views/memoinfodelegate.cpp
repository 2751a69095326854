#include "memoinfodelegate.h"

#include "devicedata.h"

MemoInfoDelegate::MemoInfoDelegate(QObject *parent)
    : DetailCardDelegate(5, parent)
{
}

QString MemoInfoDelegate::tilePicturePath(const DeviceData::MediaInfo &attachment) const
{
    return attachment.preview;
}
