#pragma once

#include "chatsessionproxymodel.h"

// The LINE sessions of the current tab (kind 0, 2 or 100), with the Keep
// selector's type that the LINE Keep pane reads.
class LineChatProxyModel : public ChatSessionProxyModel
{
    Q_OBJECT

public:
    explicit LineChatProxyModel(QObject *parent = nullptr);

    int keepType() const;
    void setKeepType(int type);

private:
    int m_keepType = 0;
};
