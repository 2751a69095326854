#include "chatsummarytexts.h"

#include "chatmessagejson.h"
#include "deviceparser.h"
#include "formatutils.h"

#include <QCoreApplication>
#include <QObject>
#include <QtMath>
#include <QRegularExpression>

namespace {

struct Phrase
{
    const char *phrase;
    const char *key; // null: the phrase is its own key
    const char *extraFrom;
    const char *extraTo;
};

// First match wins, so a phrase that contains a later one comes first.
const Phrase kPhrases[] = {
    {QT_TRANSLATE_NOOP("QObject", "You created group"), nullptr, nullptr, nullptr},
    {"created group", QT_TRANSLATE_NOOP("QObject", "careated group"), nullptr, nullptr},
    {"You changed this group's icon", QT_TRANSLATE_NOOP("QObject", "You change this group's icon"), nullptr, nullptr},
    {"changed this group's icon", QT_TRANSLATE_NOOP("QObject", "change this group's icon"), nullptr, nullptr},
    {"You change the subject", QT_TRANSLATE_NOOP("QObject", "You changed the subject from"), " to ",
     QT_TRANSLATE_NOOP("QObject", " to ")},
    {"change the subject", QT_TRANSLATE_NOOP("QObject", "changed the subject from"), " to ",
     QT_TRANSLATE_NOOP("QObject", " to ")},
    {QT_TRANSLATE_NOOP("QObject", "You joined using this group's invite link"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "joined using this group's invite link"), nullptr, nullptr, nullptr},
    {"You changed the group description to", QT_TRANSLATE_NOOP("QObject", "You changed the group description"),
     nullptr, nullptr},
    {"changed the group description to", QT_TRANSLATE_NOOP("QObject", "changed the group description"), nullptr,
     nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You turned on disappearing messages. All new messages will disappear from this "
                                  "chat 24 hours after they're sent"),
     nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "turned on disappearing messages. All new messages will disappear from this chat "
                                  "24 hours after they're sent"),
     nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "turned off disappearing messages"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "changed this group's settings to allow only admins to edit this groups's info"),
     nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "changed this group's settings to allow only admins to send messages to this group"),
     nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject",
                       "changed this group's settings to allow all participants to edit this group's info"),
     nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You were added"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You was added"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "was added"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "were added"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", " added you"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", " added You"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You added "), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", " added "), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You removed "), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", " removed "), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You left"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", " left"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", " has joined"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "has been changed to"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You started a call"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "started a call"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You started a video call"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "started a video call"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You blocked this contact"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You unblocked this contact"), nullptr, nullptr, nullptr},
    {"You became an admin", QT_TRANSLATE_NOOP("QObject", "You\u2018re now an admin"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "became an admin"), nullptr, nullptr, nullptr},
    {"You became an non-admin", QT_TRANSLATE_NOOP("QObject", "You\u2018re no longer an admin"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "became an non-admin"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You created a broadcast list"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "created a broadcast list"), nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QObject", "You create a broadcast list whith"), nullptr, " recipients",
     QT_TRANSLATE_NOOP("QObject", " recipients")},
    {"create a broadcast list whith", QT_TRANSLATE_NOOP("QObject", "created a broadcast list with"), " recipients",
     QT_TRANSLATE_NOOP("QObject", " recipients")},
    {QT_TRANSLATE_NOOP("QObject",
                       "changed this group's settings to allow all participants to send messages to this group"),
     nullptr, nullptr, nullptr},
};

// Members are "%1(+%2), " entries; the last separator goes.
QString dropTrailingSeparator(QString text)
{
    if (text.endsWith(QLatin1String(", ")))
        text.chop(2);
    return text;
}

} // namespace

QStringList markupMembers(const QString &markup)
{
    static const QRegularExpression pattern(QStringLiteral("_\\$!<([^>]*)>!\\$_"));
    QStringList members;
    auto it = pattern.globalMatch(markup);
    while (it.hasNext())
        members.append(it.next().captured(1));
    return members;
}

QString waSystemMessageText(const QString &text)
{
    QString result = text;
    for (const Phrase &row : kPhrases) {
        const QString phrase = QString::fromUtf8(row.phrase);
        if (result.indexOf(phrase) < 0)
            continue;
        result.replace(phrase, QObject::tr(row.key ? row.key : row.phrase));
        if (row.extraFrom)
            result.replace(QString::fromUtf8(row.extraFrom), QObject::tr(row.extraTo));
        break;
    }
    return result;
}

QString waMessageSummary(const DeviceData::WaMessageInfo &message)
{
    switch (message.messageType) {
    case 0:
    case 6:
    case 7:
        return message.isSystemText ? waSystemMessageText(message.text) : message.text;
    case 1:
    case 11:
    case 38:
    case 42:
        return QObject::tr("[Photos]");
    case 2:
    case 13:
    case 39:
        return QObject::tr("[Videos]");
    case 3:
        // Our record keeps the audio title in the media caption; a voice note has none.
        return message.mediaTitle.isEmpty() ? QObject::tr("[Voice]") : QObject::tr("[Audios]");
    case 4:
        return QObject::tr("[Contact Card]");
    case 5:
        return QObject::tr("[Location]");
    case 8:
        return QObject::tr("[Documents]");
    case 10:
        return waSystemMessageText(message.text);
    case 12:
        return QObject::tr("This file has expired!");
    case 14:
        return QObject::tr("This message has been deleted!");
    case 15:
        return QObject::tr("[Sticker]");
    default:
        return QObject::tr("Unsupported data type!");
    }
}

QString waRecipientsText(const DeviceData::WaSessionInfo &session, const QString &ownerNumber)
{
    QString result = QObject::tr("To: ");
    QStringList members = markupMembers(session.members);
    const bool fromMarkup = !members.isEmpty();
    if (!fromMarkup)
        members.append(session.contactJid);
    else if (!ownerNumber.isEmpty() && !session.members.contains(ownerNumber))
        result += QStringLiteral("%1(+%2), ").arg(QObject::tr("You"), ownerNumber);

    DeviceParser *store = DeviceParser::instance();
    for (const QString &member : qAsConst(members)) {
        QString jid, number, name;
        if (store->findCachedName(member, jid, number, name)) {
            if (!result.contains(number))
                result += QStringLiteral("%1(+%2), ").arg(name, number);
        } else {
            const int at = member.lastIndexOf(QLatin1Char('@'));
            const QString plain = at < 0 ? member : member.left(at);
            result += QStringLiteral("%1(+%2), ").arg(plain, plain);
        }
    }
    return dropTrailingSeparator(result);
}

QString lineMessageSummary(const DeviceData::LineInfo &message)
{
    switch (quint16(message.contentType)) {
    case 0:
    case 107:
        return message.text.left(80);
    case 1:
    case 96:
    case 112:
        return QObject::tr("[Photos]");
    case 2:
        return QObject::tr("[Videos]");
    case 3:
        return QObject::tr("[Voice]");
    case 6:
        return QObject::tr("[Voice Call]");
    case 7:
        return QObject::tr("[Emojis]");
    case 13:
        return QObject::tr("[Contact Card]");
    case 14:
        return QObject::tr("[Documents]");
    case 18:
        return callEndedText(message.text);
    case 100:
        return QObject::tr("[Location]");
    default:
        return QString();
    }
}

QString lineRecipientsText(const DeviceData::LineSessionInfo &session)
{
    QString result = QObject::tr("To: ");
    QStringList members = markupMembers(session.members);
    if (members.isEmpty())
        members.append(session.mid);
    DeviceParser *store = DeviceParser::instance();
    for (const QString &member : qAsConst(members))
        result += QStringLiteral("%1, ").arg(store->displayName(member));
    return dropTrailingSeparator(result);
}

QString callEndedText(const QString &text)
{
    QString result = text;
    const QString group = QStringLiteral("Group call ended");
    const QString voice = QStringLiteral("Voice call ended");
    if (result.contains(group))
        result.replace(group, QObject::tr("Group call ended"));
    else if (result.contains(voice))
        result.replace(voice, QObject::tr("Voice call ended"));
    return result;
}

QString lineCallText(const DeviceData::LineInfo &message)
{
    const bool video = message.extraNumber != 0;
    if (message.ownFlag != 0)
        return video ? QCoreApplication::translate("LineChat", "Group video started.")
                     : QCoreApplication::translate("LineChat", "Group voice started.");
    if (!message.extraText1.contains(QLatin1String("NORMAL")))
        return message.extraText1;
    const QString kind = video ? QCoreApplication::translate("LineChat", "Video call")
                               : QCoreApplication::translate("LineChat", "Voice call");
    // The record keeps the call's length in milliseconds.
    return kind + QLatin1Char(' ') + formatDuration(qRound(message.latitude / 1000.0));
}

namespace {

bool holds(const QString &text, const QString &keyword)
{
    return text.contains(keyword, Qt::CaseInsensitive);
}

} // namespace

bool waMessageMatches(const QString &keyword, const DeviceData::WaMessageInfo &message,
                      const DeviceData::WaSessionInfo &)
{
    if (keyword.isEmpty())
        return true;
    switch (message.messageType) {
    case 0:
    case 6:
    case 7: {
        // Compared as sent: the store keeps "<" and ">" as entities.
        const QString text = plainMessageText(message.text);
        return holds(message.isSystemText ? waSystemMessageText(text) : text, keyword);
    }
    case 1:
    case 2:
    case 5:
    case 11:
    case 13:
    case 15:
    case 38:
    case 39:
    case 42:
        return holds(message.mediaTitle, keyword);
    case 3:
        // A voice note (no title) by the duration it shows, an audio file by
        // its name.
        if (message.mediaTitle.isEmpty())
            return holds(formatDuration(message.movieDuration), keyword);
        return holds(message.fileName, keyword);
    case 4:
        return holds(message.fileName, keyword);
    case 8:
        return holds(message.fileName, keyword) || holds(message.fileSizeText, keyword);
    case 10:
        return holds(waSystemMessageText(plainMessageText(message.text)), keyword);
    default:
        return false;
    }
}

bool waMessageMatchesRegExp(const QRegExp &pattern, const DeviceData::WaMessageInfo &message,
                            const DeviceData::WaSessionInfo &session)
{
    return waMessageMatches(pattern.pattern(), message, session);
}

bool lineMessageMatches(const QString &keyword, const DeviceData::LineSessionInfo &session,
                        const DeviceData::LineInfo &message, bool matchSessionName)
{
    if (keyword.isEmpty())
        return true;
    if (matchSessionName && holds(session.title, keyword))
        return true;
    switch (quint16(message.contentType)) {
    case 0:
    case 100:
    case 107:
        return holds(message.text, keyword);
    case 3:
        return holds(formatDuration(qRound(message.latitude / 1000.0)), keyword);
    case 6:
        return holds(lineCallText(message), keyword);
    case 13:
        return holds(message.extraText3, keyword);
    case 14:
        return holds(message.contentText, keyword) || holds(message.sizeText, keyword);
    case 18:
        return holds(callEndedText(message.text), keyword);
    default:
        return false;
    }
}

bool lineMessageMatchesRegExp(const QRegExp &pattern, const DeviceData::LineSessionInfo &session,
                              const DeviceData::LineInfo &message, bool matchSessionName)
{
    return lineMessageMatches(pattern.pattern(), session, message, matchSessionName);
}
