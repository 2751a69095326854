#pragma once

#include "devicedata.h"
#include "smsmessagelist.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QVector>

#include <atomic>
#include <memory>

// The messages of one conversation for the QML pane of the message view
// ("VxRecover" 1.0 SmsModel, the context property "smsModelObj"): a time
// stamp row above each message, then the message as a text bubble, a
// picture, a video or a document card.
//
// Rows are made in data() from the store's own message list, which the model
// shares: nothing per message is copied. With a keyword the model keeps the
// positions of the messages that hold it (found on the search pool; the pane
// stays empty meanwhile) unless the conversation's name holds it. Rows are
// announced in pages as the pane scrolls (canFetchMore/fetchMore), each fetch
// adding as many rows again as are shown.
//
// Texts of the roles "message", "subject" and "attachmentSize" are markup for
// Text.StyledText made by ChatText: device text escaped, our own markup
// around it. "sourceMessage" and "plainText" are plain text; file URLs for
// QML come in "thumbnailUrl".
class NatSmsModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)

public:
    enum MessageType
    {
        MSG_Unknown = 0,
        MSG_Timestamp = 1,
        MSG_Text = 2,
        MSG_Image = 3,
        MSG_Video = 4,
        MSG_Audio = 5,
        MSG_Document = 6,
        MSG_ContactCard = 7
    };
    Q_ENUM(MessageType)

    enum Role
    {
        MessageTypeRole = Qt::UserRole + 1,
        MessageRole,
        SubjectRole,
        SourceMessageRole,
        AlignmentRole,
        LocalPathRole,
        ThumbnailPathRole,
        IsGifRole,
        IsSmsRole = Qt::UserRole + 10,
        IsDeletedRole,
        IsExitsRole,
        IsLinksRole,
        IsForwardRole,
        TypeRole,
        SendStateRole,
        AttachmentSizeRole,
        // What assistive tools read of a row, plain.
        PlainTextRole,
        // thumbnailPath as a URL QML can load.
        ThumbnailUrlRole
    };

    // Messages shown at first.
    static constexpr int PageMessages = 100;

    explicit NatSmsModel(QObject *parent = nullptr);
    ~NatSmsModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    // Shows the messages (stored order, oldest first) of the conversation
    // named name; with a keyword only those that hold it, highlighted.
    void showConversation(const DeviceData::SmsMessageList &messages, const QString &name, const QString &keyword);
    // The messages the rows stand for, shown or still to be fetched.
    int messageCount() const;
    // True while the messages holding the keyword are looked for.
    bool isFiltering() const;

    Q_INVOKABLE void clear();
    // The pane's requests: "copy-message" puts value's text on the clipboard;
    // no type tells that the file must be exported to be viewed.
    Q_INVOKABLE void tryToUse(const QString &type = QString(), const QVariant &value = QVariant());
    Q_INVOKABLE void exportFile(const QString &localPath, const QString &fileName = QString());
    // Opens a link of a bubble when it is an http or https address.
    Q_INVOKABLE void openLink(const QString &link);
    Q_INVOKABLE QString title() const;
    Q_INVOKABLE bool isEnabled() const;
    void setEnabled(bool on);

public slots:
    void setTitle(const QString &text);

signals:
    void sigExportFile(const QString &localPath, const QString &strFilename = QString());
    void titleChanged(const QString &text);
    void enabledChanged(bool enabled);
    // The rows of the conversation are there (after a keyword's filter too).
    void conversationShown();

private:
    struct FilterJob;

    int shownMessages() const;
    DeviceData::SMSInfo messageAt(int row) const;
    QVariant timestampData(const DeviceData::SMSInfo &message, int role) const;
    QVariant messageData(const DeviceData::SMSInfo &message, int role) const;
    void cancelFilter();
    void applyMatches(const std::shared_ptr<FilterJob> &job, const QVector<int> &matches);

    DeviceData::SmsMessageList m_messages;
    QString m_keyword;
    // Positions in m_messages of the rows' messages; unused while every
    // message is shown.
    QVector<int> m_matches;
    bool m_everyMessage = true;
    int m_rows = 0;
    QString m_title;
    bool m_enabled = false;
    std::shared_ptr<FilterJob> m_filter;
};
