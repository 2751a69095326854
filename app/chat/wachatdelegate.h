#pragma once

#include "chatsessiondelegate.h"

// A WhatsApp session row; starred messages carry an asterisk by the time.
class WaChatDelegate : public ChatSessionDelegate
{
    Q_OBJECT

public:
    explicit WaChatDelegate(QObject *parent = nullptr);
};
