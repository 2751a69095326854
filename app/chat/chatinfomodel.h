#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>

// The rows of one conversation of the LINE or WhatsApp pane, for QML: a time
// stamp row above each message, then the message's row. Each row is a
// QVariantHash keyed by role name; a key that a row lacks reads as its
// role's default. LineChatInfoModel and WaChatInfoModel give the role tables
// and make the rows of their records.
//
// A conversation shown from the store keeps the store's implicitly shared
// record list and an index of its rows; each row's hash is made in data()
// when asked. With a keyword, or where records have no message row, the
// index is made on the search pool for a large conversation (the pane stays
// empty meanwhile, isFiltering()) and at once for a small one. Rows passed
// in by append() follow those of the records.
//
// Rows are announced in pages: 21 at first (the first 21 appended hashes one
// by one), 20 more on each fetchMore, the rest at once with loadAll. Nothing
// here turns the event loop.
//
// Texts reach QML as markup made by ChatText from plain text: "message"
// (links and line breaks on text rows), "mediaName", "attachmentSize" and
// "mediaCaption" escaped and keyword highlighted; system and call texts are
// translated first. The roles from PlainTextRole on are plain text and URLs
// for QML's accessibility, exports and pictures.
class ChatInfoModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)

public:
    enum MessageType
    {
        MSG_Unknown = 0,
        MSG_Timestamp = 1,
        MSG_Text = 2,
        MSG_Image = 3,
        MSG_Video = 4,
        MSG_Audio = 5,
        MSG_Voice = 6,
        MSG_Document = 7,
        MSG_ContactCard = 8,
        MSG_Location = 9,
        MSG_Unsent = 10,
        MSG_Emojis = 11,
        MSG_SystemMessages = 12,
        MSG_VoiceCall = 13
    };
    Q_ENUM(MessageType)

    enum ExtraRole
    {
        // What assistive tools read of the row.
        PlainTextRole = 300,
        // The row's picture through the pane's image provider.
        ImageSourceRole,
        // The media name as it stands, for the export.
        PlainMediaNameRole,
        // A long text's first LongText characters, as "message" marks them.
        ShortMessageRole
    };

    static constexpr int FirstRows = 21;
    static constexpr int PageRows = 20;
    static constexpr int LongText = 1500;
    // Conversations up to this many records are indexed at once.
    static constexpr int InlineRecords = 2000;
    // Alignment of the time stamp rows: centred (0x84).
    static constexpr int TimestampAlignment = Qt::AlignHCenter | Qt::AlignVCenter;

    explicit ChatInfoModel(QObject *parent = nullptr);
    ~ChatInfoModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    // Every row, announced or not.
    int totalRows() const;
    // The keyword data() highlights.
    QString keyword() const;
    void setKeyword(const QString &keyword);
    // True while the rows of a keyword are looked for.
    bool isFiltering() const;

    Q_INVOKABLE void remove(int row);
    Q_INVOKABLE void append(const QList<QVariantHash> &hashs);
    Q_INVOKABLE void append(const QVariantHash &hash);
    Q_INVOKABLE void clear();
    // "copy-message" with the row's "sourceRowId" copies its text; no type
    // asks the user to export the file to view it. The view acts on them.
    Q_INVOKABLE void tryToUse(const QString &type, const QVariant &value);
    Q_INVOKABLE void tryToUse(const QString &type);
    Q_INVOKABLE void tryToUse();
    Q_INVOKABLE void exportFile(const QString &localPath, const QString &strFilename);
    Q_INVOKABLE void exportFile(const QString &localPath);
    Q_INVOKABLE QString title() const;
    Q_INVOKABLE bool isEnabled() const;
    Q_INVOKABLE void setEnabled(bool on);
    Q_INVOKABLE void setVisibleTitle(bool on);
    Q_INVOKABLE bool pathExists(const QString &path) const;
    // Opens http and https addresses only.
    Q_INVOKABLE void openUrl(const QString &url);
    // UTF-16 code units.
    Q_INVOKABLE int getStringLenth(const QString &str) const;
    // end characters from start; a character made of two code units at
    // either edge is kept whole.
    Q_INVOKABLE QString sliceStringQString(const QString &str, int start, int end) const;
    // Announces every row left (the pane's End key).
    Q_INVOKABLE void loadAll();

public slots:
    void setTitle(const QString &text);

signals:
    void sigExportFile(const QString &localPath, const QString &strFilename);
    void sigExportFile(const QString &localPath);
    void sigTryToUse(const QString &type, const QVariant &value);
    void sigTryToUse(const QString &type);
    void sigTryToUse();
    void titleChanged(const QString &text);
    void exportGrpCnt();
    void titleVisibleChanged(bool visible);
    void scanOver();
    void visibleTitle(bool on);
    // The rows of a conversation shown from the store are there.
    void conversationShown();

protected:
    // Writes the rows of the records into index (record << 1, | 1 for the
    // message row) in order; false when cancelled. Runs on the search pool.
    using IndexTask = std::function<bool(const std::atomic<bool> &cancelled, QVector<quint32> &index)>;

    // The subclass's role table: id to name, and the name's default.
    virtual const QHash<int, QByteArray> &roleTable() const = 0;
    virtual QVariant roleDefault(const QByteArray &name) const = 0;
    // A message's text before markup.
    virtual QString messageText(const QString &text, int messageType) const = 0;
    // The time stamp row (message false) or message row of a record.
    virtual QVariantHash recordRow(int record, bool message) const = 0;
    // "image://<name>/".
    virtual QString imageUrlPrefix() const = 0;

    // Replaces every row by those of recordCount records. With everyRecord
    // each record has both rows and no index is made; else task makes it.
    void showRecords(int recordCount, bool everyRecord, const IndexTask &task);

private:
    struct FilterJob;

    int recordRows() const;
    const QVariantHash &rowHash(int row) const;
    QVariant roleValue(const QVariantHash &hash, const QByteArray &name) const;
    QString plainTextOf(const QVariantHash &hash) const;
    void applyIndex(const std::shared_ptr<FilterJob> &job, const QVector<quint32> &index);
    void cancelFilter();
    void materializeIndex();
    void forgetCachedRow() const;

    QList<QVariantHash> m_hashes;
    int m_records = 0;
    bool m_everyRecord = false;
    QVector<quint32> m_index;
    int m_shown = 0;
    QString m_title;
    bool m_enabled = false;
    QString m_keyword;
    std::shared_ptr<FilterJob> m_filter;
    // The hash of the row last asked for: QML asks for every role of a row
    // in a burst.
    mutable int m_cachedRow = -1;
    mutable QVariantHash m_cachedHash;
};
