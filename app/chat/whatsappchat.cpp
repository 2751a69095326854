#include "whatsappchat.h"

#include "chatsummarytexts.h"
#include "chattext.h"
#include "deviceparser.h"
#include "recordorder.h"
#include "wachatdelegate.h"
#include "wachatinfomodel.h"
#include "wachatmodel.h"
#include "wachatproxymodel.h"

#include <QPointer>

using DeviceData::WaMessageInfo;
using DeviceData::WaSessionInfo;

namespace
{
    constexpr int StarredType = 101;

    struct Owner
    {
        QString number;
        QList<QPointer<WhatsAppChat>> views;
    };

    // GUI thread only.
    Owner &owner()
    {
        static Owner shared;
        return shared;
    }
}

WhatsAppChat::WhatsAppChat(int typeId, QWidget *parent)
    : ChatSessionView(typeId, parent)
{
    auto *delegate = new WaChatDelegate(this);
    m_sessions = new WaChatModel(this);
    m_proxy = new WaChatProxyModel(this);
    m_messages = new WaChatInfoModel(this);
    Parts parts;
    parts.sessions = m_sessions;
    parts.proxy = m_proxy;
    parts.delegate = delegate;
    parts.messages = m_messages;
    parts.contextName = QStringLiteral("WaModelObj");
    parts.providerName = QLatin1String(WaChatInfoModel::ProviderName);
    parts.source = QUrl(QStringLiteral("qrc:/qml/whatsApp/WhatsAppChat.qml"));
    setupUi(parts, {{QStringLiteral(":/Images/native/tabBar/persion.png"),
                     QStringLiteral(":/Images/native/tabBar/persion_gray.png"),
                     QT_TRANSLATE_NOOP("QObject", "Individual message")},
                    {QStringLiteral(":/Images/native/tabBar/group.png"),
                     QStringLiteral(":/Images/native/tabBar/group_gray.png"),
                     QT_TRANSLATE_NOOP("QObject", "Group message")},
                    {QStringLiteral(":/Images/native/tabBar/star.png"),
                     QStringLiteral(":/Images/native/tabBar/star_gray.png"),
                     QT_TRANSLATE_NOOP("QObject", "Starred message")}});
    owner().views.append(this);
}

WhatsAppChat::~WhatsAppChat()
{
    owner().views.removeAll(this);
}

void WhatsAppChat::setOwnerNumber(const QString &number)
{
    if (owner().number == number)
        return;
    owner().number = number;
    owner().views.removeAll(nullptr);
    for (const QPointer<WhatsAppChat> &view : qAsConst(owner().views))
        view->refreshTitle();
}

QString WhatsAppChat::ownerNumber()
{
    return owner().number;
}

int WhatsAppChat::currentSessionType() const
{
    return m_proxy->sessionType();
}

WaChatModel *WhatsAppChat::waSessions() const
{
    return m_sessions;
}

WaChatProxyModel *WhatsAppChat::waProxy() const
{
    return m_proxy;
}

WaChatInfoModel *WhatsAppChat::waMessages() const
{
    return m_messages;
}

int WhatsAppChat::kindOfTab(int tab) const
{
    switch (tab) {
    case IndividualTab: return 0;
    case StarredTab: return StarredType;
    default: return 2;
    }
}

void WhatsAppChat::tabChosen(int tab)
{
    // No title bar on the starred tab.
    m_messages->setVisibleTitle(kindOfTab(tab) != StarredType);
    showListPage(true);
}

void WhatsAppChat::fillPane(const QVariant &record)
{
    m_shown = record;
    const WaSessionInfo &session = WaChatModel::session(record);
    refreshTitle();
    const QList<QVariant> messages = DeviceParser::instance()->sessionRecords(DeviceData::WhatsApp, session.id);
    if (!messages.isEmpty())
        m_messages->showSession(session, messages, keyword());
}

void WhatsAppChat::refreshTitle()
{
    const WaSessionInfo &session = WaChatModel::session(m_shown);
    if (m_shown.isValid() && session.id == shownSessionId() && session.chatKind != StarredType)
        m_messages->setTitle(waRecipientsText(session, ownerNumber()));
}

QString WhatsAppChat::messageText(int sessionId, int row) const
{
    const QList<QVariant> messages = DeviceParser::instance()->sessionRecords(DeviceData::WhatsApp, sessionId);
    if (row < 0 || row >= messages.size())
        return QString();
    WaMessageInfo scratch;
    // As sent: the store keeps "<" and ">" as entities.
    return ChatText::plain(RecordOrder::peekRecord(messages.at(row), scratch).text);
}
