#include "linechat.h"

#include "chatsummarytexts.h"
#include "deviceparser.h"
#include "linechatdelegate.h"
#include "linechatinfomodel.h"
#include "linechatmodel.h"
#include "linechatproxymodel.h"
#include "linekeeptableheaderview.h"

using DeviceData::LineInfo;
using DeviceData::LineSessionInfo;

LineChat::LineChat(int typeId, QWidget *parent)
    : ChatSessionView(typeId, parent)
{
    auto *delegate = new LineChatDelegate(this);
    m_sessions = new LineChatModel(this);
    m_proxy = new LineChatProxyModel(this);
    m_messages = new LineChatInfoModel(this);
    m_keep = new LineKeepTableHeaderView(this);
    Parts parts;
    parts.sessions = m_sessions;
    parts.proxy = m_proxy;
    parts.delegate = delegate;
    parts.messages = m_messages;
    parts.contextName = QStringLiteral("LineModelObj");
    parts.providerName = QLatin1String(LineChatInfoModel::ProviderName);
    parts.source = QUrl(QStringLiteral("qrc:/qml/line/LineChat.qml"));
    parts.otherPage = m_keep;
    connect(m_keep, &LineKeepTableHeaderView::sigClickedKeepType, this, &LineChat::onKeepType);
    setupUi(parts, {{QStringLiteral(":/Images/native/tabBar/persion.png"),
                     QStringLiteral(":/Images/native/tabBar/persion_gray.png"),
                     QT_TRANSLATE_NOOP("QObject", "Individual message")},
                    {QStringLiteral(":/Images/native/tabBar/group.png"),
                     QStringLiteral(":/Images/native/tabBar/group_gray.png"),
                     QT_TRANSLATE_NOOP("QObject", "Group message")},
                    {QStringLiteral(":/Images/native/tabBar/keep.png"),
                     QStringLiteral(":/Images/native/tabBar/keep_gray.png"),
                     QT_TRANSLATE_NOOP("QObject", "LINE Keep")}});
}

int LineChat::currentSessionKind() const
{
    return m_proxy->kind();
}

LineChatModel *LineChat::lineSessions() const
{
    return m_sessions;
}

LineChatProxyModel *LineChat::lineProxy() const
{
    return m_proxy;
}

LineChatInfoModel *LineChat::lineMessages() const
{
    return m_messages;
}

LineKeepTableHeaderView *LineChat::keepHeader() const
{
    return m_keep;
}

int LineChat::kindOfTab(int tab) const
{
    switch (tab) {
    case GroupTab: return 2;
    case KeepTab: return KeepKind;
    default: return 0;
    }
}

void LineChat::tabChosen(int tab)
{
    if (tab != KeepTab) {
        ChatSessionView::tabChosen(tab);
        return;
    }
    m_messages->setVisibleTitle(false);
    m_messages->setTitle(QString());
    m_keep->setCurrentRow(0);
    m_proxy->setKeepType(0);
    showListPage(false);
}

void LineChat::showFirst()
{
    if (m_proxy->kind() == KeepKind) {
        loadKeep();
        return;
    }
    ChatSessionView::showFirst();
}

void LineChat::onKeepType(int type)
{
    m_proxy->setKeepType(type);
    loadKeep();
}

void LineChat::loadKeep()
{
    clearPane();
    if (m_proxy->kind() != KeepKind)
        return;
    QVector<LineChatInfoModel::Conversation> keep;
    const DeviceParser *store = DeviceParser::instance();
    for (int row = 0; row < m_proxy->rowCount(); ++row) {
        const LineSessionInfo &session = LineChatModel::session(m_proxy->index(row, 0).data(Qt::DisplayRole));
        keep.append({session, store->lineSessions(session.id)});
    }
    m_messages->showKeep(keep, m_proxy->keepType(), keyword());
}

void LineChat::fillPane(const QVariant &record)
{
    const LineSessionInfo &session = LineChatModel::session(record);
    if (session.chatKind != KeepKind)
        m_messages->setTitle(lineRecipientsText(session));
    const QList<LineInfo> messages = DeviceParser::instance()->lineSessions(session.id);
    if (!messages.isEmpty())
        m_messages->showSession({session, messages}, keyword());
}

QString LineChat::messageText(int sessionId, int row) const
{
    const QList<LineInfo> messages = DeviceParser::instance()->lineSessions(sessionId);
    return row >= 0 && row < messages.size() ? messages.at(row).text : QString();
}
