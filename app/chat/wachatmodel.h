#pragma once

#include "chatsessionmodel.h"
#include "devicedata.h"

// The WhatsApp view's sessions (DeviceData::WaSessionInfo): individual chats
// (type 0), group chats (2) and starred messages (101). A reload finds each
// session's newest message that waMessageMatches finds.
class WaChatModel : public ChatSessionModel
{
    Q_OBJECT

public:
    explicit WaChatModel(QObject *parent = nullptr);

    // The record's session; an empty one for a variant of another type.
    static const DeviceData::WaSessionInfo &session(const QVariant &record);

    int sessionIdOf(const QVariant &session) const override;
    QString keyOf(const QVariant &session) const override;
    int kindOf(const QVariant &session) const override;
    bool isVisible(const QVariant &session) const override;
    qint64 timeOf(const QVariant &session) const override;

protected:
    QString nameOf(const QVariant &session) const override;
    QString pictureOf(const QVariant &session) const override;
    bool isGroup(const QVariant &session) const override;
    bool isStarred(const QVariant &session) const override;
    QString timeTextOf(const QVariant &session) const override;
    QString summaryOf(const QVariant &session) const override;
    void setPicture(QVariant &session, const QString &path) const override;
    void apply(QVariant &session, const Found &found) const override;
    Matcher matcher() const override;
};
