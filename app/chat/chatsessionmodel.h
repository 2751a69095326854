#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>

// The chat sessions of the LINE or WhatsApp view, one row per session
// record of the store, exposed 100 at a time (canFetchMore/fetchMore).
// WaChatModel and LineChatModel read their own record type.
//
// Roles: Qt::DisplayRole the record; Qt::TextAlignmentRole; Qt::ForegroundRole
// (red for a deleted session); the item roles DeletedRole 256, CheckableRole
// 356, CheckStateRole 357, TimeRole 359, ContactTextRole 360 (picture path)
// and 363 the model's keyword; the plain texts a row shows (NameRole ...).
// For assistive tools Qt::AccessibleTextRole is the name as shown,
// Qt::AccessibleDescriptionRole the time text and summary as shown joined by
// " ", and Qt::CheckStateRole the check state with Qt::ItemIsUserCheckable
// while the session is checkable; setData refuses Qt::CheckStateRole, so a
// tick goes through the view's own path once.
//
// A reload (search or filter) is made in two halves: reloadTask() gives a job
// that works on a copy of the sessions off the GUI thread, and applyReload
// takes its result back into the list by session id.
class ChatSessionModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        KeywordRole = 363,
        NameRole = 380,
        TimeTextRole,
        SummaryRole,
        // No picture of its own: the group picture, else the person.
        GroupRole,
        StarredRole,
        SessionIdRole,
        KindRole
    };

    struct Counts
    {
        int total = 0;
        int existing = 0;
        int deleted = 0;
    };

    // What a reload decided for one session.
    struct Found
    {
        bool visible = false;
        QVariant lastMessage;
        qint64 time = 0;
        bool timeChanged = false;
    };

    struct ReloadResult
    {
        QHash<int, Found> sessions;
        QMap<int, Counts> counts;
    };

    // Finds a session's newest message that the keyword finds (its last one
    // without a keyword); false when there is none. Any thread; looks at
    // cancelled as it goes.
    using Matcher = std::function<bool(const QVariant &session, const QString &keyword,
                                       const std::atomic<bool> &cancelled, Found &found)>;

    static constexpr int PageSize = 100;

    explicit ChatSessionModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Qt::DisplayRole the picture path, CheckableRole, CheckStateRole.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    // A reset showing every session or the first page.
    void setList(const QList<QVariant> &sessions, bool showAll);
    // Every session shown, inside a reset when reset.
    void setListAll(const QList<QVariant> &sessions, bool reset);
    // Replaces one session, inside a reset when reset, else silently.
    void setRecord(int row, const QVariant &session, bool reset);
    // Replaces the session at index; dataChanged when emitChanged.
    void setRecord(const QModelIndex &index, const QVariant &session, bool emitChanged);
    void append(const QVariant &session);
    void clear();
    int count() const;
    QVariant record(int row) const;
    const QList<QVariant> &records() const;
    // The row of the session with that key (-1 none).
    int rowOfKey(const QString &key) const;

    QString keyword() const;
    void setKeyword(const QString &keyword);
    // Per session kind, the matching sessions of the last reload.
    QMap<int, Counts> kindCounts() const;

    // The job of a reload with the keyword and filter mode over a copy of the
    // sessions; any thread. An empty result when cancelled.
    std::function<ReloadResult(const std::atomic<bool> &cancelled)> reloadTask(const QString &keyword,
                                                                               int filterMode) const;
    // The job's result: each session's visible flag, last message and time,
    // taken by id inside a reset; the counts kept for kindCounts.
    void applyReload(const ReloadResult &result);

    // Fields of the record type.
    virtual int sessionIdOf(const QVariant &session) const = 0;
    virtual QString keyOf(const QVariant &session) const = 0;
    virtual int kindOf(const QVariant &session) const = 0;
    virtual bool isVisible(const QVariant &session) const = 0;
    virtual qint64 timeOf(const QVariant &session) const = 0;

protected:
    virtual QString nameOf(const QVariant &session) const = 0;
    virtual QString pictureOf(const QVariant &session) const = 0;
    virtual bool isGroup(const QVariant &session) const = 0;
    virtual bool isStarred(const QVariant &session) const;
    // The last message's time and summary as shown, plain.
    virtual QString timeTextOf(const QVariant &session) const = 0;
    virtual QString summaryOf(const QVariant &session) const = 0;
    virtual void setPicture(QVariant &session, const QString &path) const = 0;
    virtual void apply(QVariant &session, const Found &found) const = 0;
    virtual Matcher matcher() const = 0;

private:
    QList<QVariant> m_sessions;
    int m_shown = 0;
    QString m_keyword;
    QMap<int, Counts> m_counts;
};
