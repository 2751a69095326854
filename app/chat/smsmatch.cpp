#include "smsmatch.h"

#include "chattext.h"

namespace
{
    bool holds(const QString &text, const QString &keyword)
    {
        // The store's entities are undone only where there may be one.
        if (text.contains(QLatin1Char('&')))
            return ChatText::plain(text).contains(keyword, Qt::CaseInsensitive);
        return text.contains(keyword, Qt::CaseInsensitive);
    }
}

bool smsTextsMatchKeyword(const DeviceData::SMSInfo &message, const QString &keyword)
{
    if (keyword.isEmpty())
        return true;
    if (holds(message.text, keyword))
        return true;
    switch (message.mediaKind) {
    case DeviceData::VideoKind:
    case DeviceData::ImageKind:
        return false;
    case DeviceData::NoAttachmentKind:
        return message.subject.contains(keyword, Qt::CaseInsensitive);
    default:
        return message.attachmentSizeText.contains(keyword, Qt::CaseInsensitive);
    }
}

bool smsMatchesKeyword(const DeviceData::SMSInfo &message, const QString &name, const QString &keyword)
{
    return keyword.isEmpty() || name.contains(keyword, Qt::CaseInsensitive) || smsTextsMatchKeyword(message, keyword);
}
