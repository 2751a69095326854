#include "natsmsmodel.h"

#include "chatsearchpool.h"
#include "chattext.h"
#include "fileutils.h"
#include "guithreadmailbox.h"
#include "smsmatch.h"
#include "threadpool.h"
#include "xmessagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QPointer>
#include <QUrl>

using DeviceData::SMSInfo;
using DeviceData::SmsMessageList;

namespace
{
    // Alignment of the time-stamp rows: centred (0x84).
    constexpr int TimestampAlignment = Qt::AlignHCenter | Qt::AlignVCenter;
    // The filter looks at its cancel flag this often.
    constexpr int CancelCheckEvery = 4096;

    int messageTypeOf(int contentType)
    {
        switch (contentType) {
        case DeviceData::VideoKind: return NatSmsModel::MSG_Video;
        case DeviceData::ImageKind: return NatSmsModel::MSG_Image;
        case DeviceData::NoAttachmentKind: return NatSmsModel::MSG_Text;
        default: return NatSmsModel::MSG_Document;
        }
    }

    QUrl urlOf(const QString &path)
    {
        if (path.isEmpty())
            return QUrl();
        if (path.startsWith(QLatin1String(":/")))
            return QUrl(QLatin1String("qrc") + path);
        return QUrl::fromLocalFile(path);
    }

    // What a role gives for a row that does not set it.
    QVariant defaultOf(int role)
    {
        switch (role) {
        case NatSmsModel::MessageTypeRole: return int(NatSmsModel::MSG_Unknown);
        case NatSmsModel::MessageRole:
        case NatSmsModel::SubjectRole:
        case NatSmsModel::SourceMessageRole:
        case NatSmsModel::AttachmentSizeRole:
        case NatSmsModel::PlainTextRole: return QString();
        case NatSmsModel::AlignmentRole: return int(Qt::AlignLeft);
        case NatSmsModel::LocalPathRole:
        case NatSmsModel::ThumbnailPathRole: return 1;
        case NatSmsModel::IsSmsRole: return true;
        case NatSmsModel::IsGifRole:
        case NatSmsModel::IsDeletedRole:
        case NatSmsModel::IsExitsRole:
        case NatSmsModel::IsLinksRole:
        case NatSmsModel::IsForwardRole:
        case NatSmsModel::TypeRole: return false;
        case NatSmsModel::SendStateRole: return 0;
        case NatSmsModel::ThumbnailUrlRole: return QUrl();
        default: return QVariant();
        }
    }
}

struct NatSmsModel::FilterJob
{
    std::atomic<bool> cancelled{false};
};

NatSmsModel::NatSmsModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

NatSmsModel::~NatSmsModel()
{
    cancelFilter();
}

int NatSmsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int NatSmsModel::shownMessages() const
{
    return m_everyMessage ? m_messages.size() : m_matches.size();
}

int NatSmsModel::messageCount() const
{
    return shownMessages();
}

bool NatSmsModel::isFiltering() const
{
    return m_filter != nullptr;
}

SMSInfo NatSmsModel::messageAt(int row) const
{
    const int position = row / 2;
    return m_messages.at(m_everyMessage ? position : m_matches.at(position));
}

QVariant NatSmsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows)
        return QVariant();
    const SMSInfo message = messageAt(index.row());
    return index.row() % 2 == 0 ? timestampData(message, role) : messageData(message, role);
}

QVariant NatSmsModel::timestampData(const SMSInfo &message, int role) const
{
    switch (role) {
    case MessageTypeRole:
        return int(MSG_Timestamp);
    case MessageRole:
    case PlainTextRole:
        return QDateTime::fromSecsSinceEpoch(message.time).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case AlignmentRole:
        return TimestampAlignment;
    default:
        return defaultOf(role);
    }
}

QVariant NatSmsModel::messageData(const SMSInfo &message, int role) const
{
    const int type = messageTypeOf(message.mediaKind);
    switch (role) {
    case MessageTypeRole:
        return type;
    case MessageRole: {
        const QString text = ChatText::plain(message.text);
        if (type == MSG_Text)
            return ChatText::message(text, m_keyword);
        // Pictures and videos pass their file's name on to the export.
        if (type == MSG_Image || type == MSG_Video)
            return text;
        return ChatText::marked(text, m_keyword);
    }
    case SourceMessageRole:
        if (type != MSG_Text)
            return defaultOf(role);
        return message.subject.isEmpty() ? ChatText::plain(message.text)
                                         : message.subject + QLatin1Char('\n') + ChatText::plain(message.text);
    case PlainTextRole:
        if (type == MSG_Text)
            return messageData(message, SourceMessageRole);
        return ChatText::plain(message.text);
    case SubjectRole:
        return ChatText::marked(message.subject, m_keyword);
    case AlignmentRole:
        return int(message.direction);
    case LocalPathRole:
        return message.attachmentPath;
    case ThumbnailPathRole:
        return message.attachmentPreview;
    case ThumbnailUrlRole:
        return urlOf(message.attachmentPreview);
    case IsSmsRole:
        return message.isSms;
    case IsDeletedRole:
        return message.deleted;
    case IsForwardRole:
        return message.isForward;
    case TypeRole:
        return int(message.mediaKind);
    case SendStateRole:
        return int(message.error);
    case AttachmentSizeRole:
        return ChatText::marked(message.attachmentSizeText, m_keyword);
    default:
        return defaultOf(role);
    }
}

QHash<int, QByteArray> NatSmsModel::roleNames() const
{
    return {{MessageTypeRole, "messageType"},   {MessageRole, "message"},
            {SubjectRole, "subject"},           {SourceMessageRole, "sourceMessage"},
            {AlignmentRole, "alignment"},       {LocalPathRole, "localPath"},
            {ThumbnailPathRole, "thumbnailPath"}, {IsGifRole, "isGIF"},
            {IsSmsRole, "isSMS"},               {IsDeletedRole, "isDeleted"},
            {IsExitsRole, "isExits"},           {IsLinksRole, "isLinks"},
            {IsForwardRole, "isForward"},       {TypeRole, "Type"},
            {SendStateRole, "sendState"},       {AttachmentSizeRole, "attachmentSize"},
            {PlainTextRole, "plainText"},       {ThumbnailUrlRole, "thumbnailUrl"}};
}

bool NatSmsModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_rows < 2 * shownMessages();
}

void NatSmsModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    // Growing pages: a jump to the end of a million messages takes a few
    // fetches, not thousands.
    const int more = qMin(2 * shownMessages() - m_rows, qMax(2 * PageMessages, m_rows));
    beginInsertRows(QModelIndex(), m_rows, m_rows + more - 1);
    m_rows += more;
    endInsertRows();
}

void NatSmsModel::showConversation(const SmsMessageList &messages, const QString &name, const QString &keyword)
{
    cancelFilter();
    beginResetModel();
    m_messages = messages;
    m_keyword = keyword;
    m_matches.clear();
    m_everyMessage = keyword.isEmpty() || name.contains(keyword, Qt::CaseInsensitive);
    m_rows = m_everyMessage ? 2 * qMin(int(messages.size()), PageMessages) : 0;
    endResetModel();
    if (m_everyMessage) {
        emit conversationShown();
        return;
    }

    auto job = std::make_shared<FilterJob>();
    m_filter = job;
    QPointer<NatSmsModel> self(this);
    chatSearchPool().commit([job, self, messages, keyword] {
        QVector<int> matches;
        for (int i = 0; i < messages.size(); ++i) {
            if (i % CancelCheckEvery == 0 && job->cancelled)
                return;
            if (smsTextsMatchKeyword(messages.at(i), keyword))
                matches.append(i);
        }
        if (job->cancelled)
            return;
        runOnGuiThread([self, job, matches] {
            if (self)
                self->applyMatches(job, matches);
        });
    });
}

void NatSmsModel::applyMatches(const std::shared_ptr<FilterJob> &job, const QVector<int> &matches)
{
    if (job != m_filter)
        return;
    m_filter.reset();
    beginResetModel();
    m_matches = matches;
    m_rows = 2 * qMin(int(matches.size()), PageMessages);
    endResetModel();
    emit conversationShown();
}

void NatSmsModel::cancelFilter()
{
    if (m_filter) {
        m_filter->cancelled = true;
        m_filter.reset();
    }
}

void NatSmsModel::clear()
{
    cancelFilter();
    beginResetModel();
    m_messages.clear();
    m_matches.clear();
    m_keyword.clear();
    m_everyMessage = true;
    m_rows = 0;
    endResetModel();
}

void NatSmsModel::tryToUse(const QString &type, const QVariant &value)
{
    if (type == QLatin1String("copy-message")) {
        QGuiApplication::clipboard()->setText(value.toString());
        return;
    }
    if (!type.isEmpty())
        return;
    // Queued: the box's own loop never runs inside the pane's click handler.
    QMetaObject::invokeMethod(
        this,
        [] {
            XMessageBox::information(QApplication::activeWindow(), QString(),
                                     QObject::tr("Please export the data locally for viewing."), {QObject::tr("OK")});
        },
        Qt::QueuedConnection);
}

void NatSmsModel::exportFile(const QString &localPath, const QString &fileName)
{
    emit sigExportFile(localPath, fileName);
}

void NatSmsModel::openLink(const QString &link)
{
    const QString target = ChatText::linkTarget(link);
    if (!target.isEmpty())
        openUrl(target);
}

QString NatSmsModel::title() const
{
    return m_title;
}

void NatSmsModel::setTitle(const QString &text)
{
    if (text == m_title)
        return;
    m_title = text;
    emit titleChanged(text);
}

bool NatSmsModel::isEnabled() const
{
    return m_enabled;
}

void NatSmsModel::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    emit enabledChanged(on);
}
