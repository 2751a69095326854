#pragma once

#include "chatinfomodel.h"
#include "devicedata.h"

// The conversation pane's rows of the LINE view ("VxLineRecover" 1.0
// "LineChatModel", the context property "LineModelObj"): one session's
// messages, or the kept items of the LINE Keep sessions of one kind. Its role
// table differs from the WhatsApp model's: "isExits", "callType" 273,
// "isGroupMessage" 274, "sourceRowId" 275, nothing at 276; call-end texts
// are translated (callEndedText) before markup. A message of a content type
// the pane does not draw has only its time stamp row.
class LineChatInfoModel : public ChatInfoModel
{
    Q_OBJECT

public:
    enum Role
    {
        MessageTypeRole = Qt::UserRole + 1,
        MessageRole,
        AlignmentRole,
        LocalPathRole,
        ThumbnailPathRole,
        MediaNameRole,
        AttachmentSizeRole,
        IsDeletedRole = Qt::UserRole + 9,
        IsExitsRole,
        IsQuoteRole,
        SendStateRole,
        SenderRole,
        MediaDurationRole,
        MediaCaptionRole,
        IsMediaCaptionRole,
        CallTypeRole,
        IsGroupMessageRole,
        SourceRowIdRole
    };

    // A session and its messages in stored order.
    struct Conversation
    {
        DeviceData::LineSessionInfo session;
        QList<DeviceData::LineInfo> messages;
    };

    static const char *const ProviderName;
    // The Keep selector's kinds: Texts, Photos, Videos, Audios, Documents,
    // Other.
    static constexpr int KeepTypes = 6;

    explicit LineChatInfoModel(QObject *parent = nullptr);

    // The messages lineMessageMatches finds for the keyword.
    void showSession(const Conversation &conversation, const QString &keyword);
    // The Keep sessions' messages whose content type fits keepType.
    void showKeep(const QVector<Conversation> &keep, int keepType, const QString &keyword);

    static bool fitsKeepType(int keepType, int contentType);
    // Whether a content type has a message row below its time stamp.
    static bool hasMessageRow(int contentType);
    static QVariantHash timestampRow(const DeviceData::LineInfo &message);
    // Empty for a content type without a message row.
    static QVariantHash messageRow(const DeviceData::LineInfo &message, int sessionId, int row);

protected:
    const QHash<int, QByteArray> &roleTable() const override;
    QVariant roleDefault(const QByteArray &name) const override;
    QString messageText(const QString &text, int messageType) const override;
    QVariantHash recordRow(int record, bool message) const override;
    QString imageUrlPrefix() const override;

private:
    void show(const QVector<Conversation> &conversations, int keepType, const QString &keyword);

    QVector<Conversation> m_conversations;
    // The number of the first record of each conversation.
    QVector<int> m_firsts;
};
