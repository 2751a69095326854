#pragma once

#include "chatsessionproxymodel.h"

// The WhatsApp sessions of the current tab: its session type (0 individual,
// 2 group, 101 starred) is the kind.
class WaChatProxyModel : public ChatSessionProxyModel
{
    Q_OBJECT

public:
    explicit WaChatProxyModel(QObject *parent = nullptr);

    int sessionType() const;
    void setSessionType(int type);
};
