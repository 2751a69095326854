#include "linechatdelegate.h"

LineChatDelegate::LineChatDelegate(QObject *parent)
    : ChatSessionDelegate(parent)
{
}
