#pragma once

#include "chatsessionview.h"

class LineChatInfoModel;
class LineChatModel;
class LineChatProxyModel;
class LineKeepTableHeaderView;

// The LINE category (0x40000): one-to-one chats, group chats and LINE Keep in
// three tabs. A chat's messages show in the QML pane
// ("qrc:/qml/line/LineChat.qml", pictures through "LineProvider") under its
// "To: " line; on the Keep tab the left column is the Keep selector and the
// pane shows the kept items of the chosen kind from every Keep session,
// without a title.
class LineChat : public ChatSessionView
{
    Q_OBJECT

public:
    enum Tab
    {
        IndividualTab = 0,
        GroupTab = 1,
        KeepTab = 2
    };
    static constexpr int KeepKind = 100;

    explicit LineChat(int typeId, QWidget *parent = nullptr);

    // The session kind of the current tab: 0, 2 or 100.
    int currentSessionKind() const;
    LineChatModel *lineSessions() const;
    LineChatProxyModel *lineProxy() const;
    LineChatInfoModel *lineMessages() const;
    LineKeepTableHeaderView *keepHeader() const;

protected:
    int kindOfTab(int tab) const override;
    void fillPane(const QVariant &session) override;
    QString messageText(int sessionId, int row) const override;
    void tabChosen(int tab) override;
    void showFirst() override;

private:
    void onKeepType(int type);
    void loadKeep();

    LineChatModel *m_sessions = nullptr;
    LineChatProxyModel *m_proxy = nullptr;
    LineChatInfoModel *m_messages = nullptr;
    LineKeepTableHeaderView *m_keep = nullptr;
};
