#pragma once

#include "chatsessiondelegate.h"

// A LINE session row.
class LineChatDelegate : public ChatSessionDelegate
{
    Q_OBJECT

public:
    explicit LineChatDelegate(QObject *parent = nullptr);
};
