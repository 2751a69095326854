#pragma once

#include "chatinfomodel.h"
#include "devicedata.h"

// The conversation pane's rows of the WhatsApp view ("VxWaRecover" 1.0
// "WaChatModel", the context property "WaModelObj"). Its role table differs
// from the LINE model's: "isExist", "isGif" 273, "sourceRowId" 274,
// "sendstatusImg" 275, "callType" 276; system and call texts are translated
// (waSystemMessageText) before markup.
class WaChatInfoModel : public ChatInfoModel
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
        IsExistRole,
        IsQuoteRole,
        SendStateRole,
        SenderRole,
        MediaDurationRole,
        MediaCaptionRole,
        IsMediaCaptionRole,
        IsGifRole,
        SourceRowIdRole,
        SendStatusImgRole,
        CallTypeRole
    };

    static const char *const ProviderName;

    explicit WaChatInfoModel(QObject *parent = nullptr);

    // Shows the messages of the session (stored order), with a keyword only
    // those waMessageMatches finds.
    void showSession(const DeviceData::WaSessionInfo &session, const QList<QVariant> &messages,
                     const QString &keyword);

    // The rows of one message: its time stamp, then the message itself
    // (row is its position in the session, for "sourceRowId").
    static QVariantHash timestampRow(const DeviceData::WaMessageInfo &message, const QString &pattern);
    static QVariantHash messageRow(const DeviceData::WaMessageInfo &message, int sessionId, int row);
    // The location's text when it has no caption: "(Long:%1 Lat:%2)".
    static QString locationText(float longitude, float latitude);

protected:
    const QHash<int, QByteArray> &roleTable() const override;
    QVariant roleDefault(const QByteArray &name) const override;
    QString messageText(const QString &text, int messageType) const override;
    QVariantHash recordRow(int record, bool message) const override;
    QString imageUrlPrefix() const override;

private:
    DeviceData::WaSessionInfo m_session;
    QList<QVariant> m_messages;
    QString m_pattern;
};
