#pragma once

#include "chatsessionmodel.h"
#include "devicedata.h"

// The LINE view's sessions (DeviceData::LineSessionInfo): one-to-one chats
// (kind 0), groups (2) and LINE Keep (100). A reload finds each session's
// newest message that lineMessageMatches finds, the session's name included.
class LineChatModel : public ChatSessionModel
{
    Q_OBJECT

public:
    explicit LineChatModel(QObject *parent = nullptr);

    static const DeviceData::LineSessionInfo &session(const QVariant &record);

    int sessionIdOf(const QVariant &session) const override;
    QString keyOf(const QVariant &session) const override;
    int kindOf(const QVariant &session) const override;
    bool isVisible(const QVariant &session) const override;
    qint64 timeOf(const QVariant &session) const override;

protected:
    QString nameOf(const QVariant &session) const override;
    QString pictureOf(const QVariant &session) const override;
    bool isGroup(const QVariant &session) const override;
    QString timeTextOf(const QVariant &session) const override;
    QString summaryOf(const QVariant &session) const override;
    void setPicture(QVariant &session, const QString &path) const override;
    void apply(QVariant &session, const Found &found) const override;
    Matcher matcher() const override;
};
