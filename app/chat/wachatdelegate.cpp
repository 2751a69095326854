#include "wachatdelegate.h"

WaChatDelegate::WaChatDelegate(QObject *parent)
    : ChatSessionDelegate(parent)
{
}
