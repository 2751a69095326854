#pragma once

#include "chatsessionview.h"

class WaChatInfoModel;
class WaChatModel;
class WaChatProxyModel;

// The WhatsApp category (0x20000): individual chats, group chats and starred
// messages in three tabs, the chosen chat's messages in the QML pane
// ("qrc:/qml/whatsApp/WhatsAppChat.qml"), its pictures through the image
// provider "waProvider". The pane's title is the chat's "To: " line, which
// names the backup's owner as "You" (setOwnerNumber); the starred tab has
// none.
class WhatsAppChat : public ChatSessionView
{
    Q_OBJECT

public:
    enum Tab
    {
        IndividualTab = 0,
        GroupTab = 1,
        StarredTab = 2
    };

    explicit WhatsAppChat(int typeId, QWidget *parent = nullptr);
    ~WhatsAppChat() override;

    // The session type of the current tab: 0, 2 or 101.
    int currentSessionType() const;
    WaChatModel *waSessions() const;
    WaChatProxyModel *waProxy() const;
    WaChatInfoModel *waMessages() const;

    // The number WhatsApp is registered with in the backup being shown, for
    // every WhatsApp view; the shell sets it when a scan ends.
    static void setOwnerNumber(const QString &number);
    static QString ownerNumber();

protected:
    int kindOfTab(int tab) const override;
    void fillPane(const QVariant &session) override;
    QString messageText(int sessionId, int row) const override;
    void tabChosen(int tab) override;

private:
    void refreshTitle();

    WaChatModel *m_sessions = nullptr;
    WaChatProxyModel *m_proxy = nullptr;
    WaChatInfoModel *m_messages = nullptr;
    QVariant m_shown;
};
