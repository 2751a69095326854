#include "recordbuilders.h"

#include "deviceparser_p.h"
#include "thumbnailsessionmanager.h"

#include <cirranerecords.h>
#include <dbrecords.h>
#include <formatutils.h>
#include <settingsentry.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QStringList>
#include <QTime>

#include <cstring>
#include <ctime>
#include <unordered_map>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

using namespace DeviceData;

namespace RecordBuilders {

QString fromWide(const std::wstring &text)
{
    if (text.empty())
        return QString();
    // Nearly every text lies in the first plane: one unit per character,
    // copied in one pass that also tells whether that held.
    QString out(int(text.size()), Qt::Uninitialized);
    ushort *unit = reinterpret_cast<ushort *>(out.data());
    quint32 all = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        all |= quint32(text[i]);
        unit[i] = ushort(text[i]);
    }
    if (all < 0x10000)
        return out;
    int extra = 0;
    for (wchar_t c : text)
        extra += (quint32(c) >= 0x10000 && quint32(c) <= 0x10FFFF) ? 1 : 0;
    out = QString(int(text.size()) + extra, Qt::Uninitialized);
    QChar *p = out.data();
    for (wchar_t wc : text) {
        const quint32 c = quint32(wc);
        if (c < 0x10000) {
            *p++ = QChar(ushort(c));
        } else if (c <= 0x10FFFF) {
            *p++ = QChar(QChar::highSurrogate(c));
            *p++ = QChar(QChar::lowSurrogate(c));
        } else {
            *p++ = QChar(QChar::ReplacementCharacter);
        }
    }
    return out;
}

QString addressOf(const std::wstring &text)
{
    // A conversation's messages name the same few addresses over and over:
    // each is converted once and shared. Bounded, for a scan of unique ones.
    thread_local std::unordered_map<std::wstring, QString> addresses;
    const auto it = addresses.find(text);
    if (it != addresses.end())
        return it->second;
    if (addresses.size() >= 4096)
        addresses.clear();
    const QString address = withoutWhitespace(fromWide(text));
    addresses.emplace(text, address);
    return address;
}

bool escapedUtf8(const std::wstring &text, QByteArray &out)
{
    if (text.empty()) {
        out.clear();
        return true;
    }
    if (text.front() == 0xfeff)
        return false;
    // Four bytes at most for a character, escaped ones included.
    out.resize(int(4 * text.size()));
    auto *p = reinterpret_cast<uchar *>(out.data());
    const wchar_t *s = text.data();
    const wchar_t *const end = s + text.size();
    while (s != end) {
#if defined(__SSE2__)
        // Most texts are plain ASCII: eight characters at a time while no
        // character needs more than a byte or an entity.
        if (end - s >= 8) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + 4));
            const __m128i wide = _mm_and_si128(_mm_or_si128(a, b), _mm_set1_epi32(~0x7f));
            // '<' and '>' differ in bit 1 only.
            const __m128i bitOne = _mm_set1_epi32(2);
            const __m128i angle = _mm_set1_epi32('>');
            const __m128i angles = _mm_or_si128(_mm_cmpeq_epi32(_mm_or_si128(a, bitOne), angle),
                                                _mm_cmpeq_epi32(_mm_or_si128(b, bitOne), angle));
            if (_mm_movemask_epi8(_mm_cmpeq_epi32(wide, _mm_setzero_si128())) == 0xffff
                && _mm_movemask_epi8(angles) == 0) {
                const __m128i units = _mm_packs_epi32(a, b);
                _mm_storel_epi64(reinterpret_cast<__m128i *>(p), _mm_packus_epi16(units, units));
                p += 8;
                s += 8;
                continue;
            }
        }
#endif
        const quint32 c = quint32(*s++);
        if (c < 0x80) {
            if (c == '<' || c == '>') {
                std::memcpy(p, c == '<' ? "&lt;" : "&gt;", 4);
                p += 4;
            } else {
                *p++ = uchar(c);
            }
        } else if (c < 0x800) {
            *p++ = uchar(0xc0 | (c >> 6));
            *p++ = uchar(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            if (c >= 0xd800 && c < 0xe000)
                return false;
            *p++ = uchar(0xe0 | (c >> 12));
            *p++ = uchar(0x80 | ((c >> 6) & 0x3f));
            *p++ = uchar(0x80 | (c & 0x3f));
        } else if (c <= 0x10ffff) {
            *p++ = uchar(0xf0 | (c >> 18));
            *p++ = uchar(0x80 | ((c >> 12) & 0x3f));
            *p++ = uchar(0x80 | ((c >> 6) & 0x3f));
            *p++ = uchar(0x80 | (c & 0x3f));
        } else {
            // U+FFFD, as fromWide gives it.
            *p++ = 0xef;
            *p++ = 0xbf;
            *p++ = 0xbd;
        }
    }
    out.resize(int(reinterpret_cast<char *>(p) - out.data()));
    return true;
}

QString withoutWhitespace(const QString &text)
{
    const QChar *begin = text.constData();
    const QChar *end = begin + text.size();
    const QChar *p = begin;
    while (p != end && !p->isSpace())
        ++p;
    if (p == end)
        return text;
    QString out;
    out.reserve(text.size());
    for (const QChar *q = begin; q != end; ++q)
        if (!q->isSpace())
            out.append(*q);
    return out;
}

bool isSmsService(const std::wstring &service)
{
    return service.compare(0, 3, L"SMS") == 0;
}

namespace {

// The local day that held the last time asked: its seconds are answered
// without the C library, which takes a lock and searches the zone's
// transitions every call, and a scan's messages come mostly in order. A day
// is kept only when its first and last second have the offset from UTC of
// the time asked, so no transition lies in it (none undoes another within a
// day).
struct LocalDay
{
    qint64 first = 0;
    qint64 end = 0;      // after its last second
    struct tm date = {}; // its fields but the time of day
    QString text;        // "yyyy-MM-dd", null until asked
};

thread_local LocalDay lastDay;

// Whether the local time of `seconds` is on the day and at the offset from
// UTC of `day`.
bool sameDayAndOffset(qint64 seconds, const struct tm &day)
{
    const time_t t = time_t(seconds);
    struct tm local = {};
    return localtime_r(&t, &local) && local.tm_year == day.tm_year && local.tm_yday == day.tm_yday
        && local.tm_gmtoff == day.tm_gmtoff;
}

// localtime_r, from the last day when it holds the time.
bool localTimeOf(qint64 seconds, struct tm &local)
{
    LocalDay &day = lastDay;
    if (seconds >= day.first && seconds < day.end) {
        const int sinceMidnight = int(seconds - day.first);
        local = day.date;
        local.tm_hour = sinceMidnight / 3600;
        local.tm_min = sinceMidnight / 60 % 60;
        local.tm_sec = sinceMidnight % 60;
        return true;
    }
    const time_t t = time_t(seconds);
    if (!localtime_r(&t, &local))
        return false;
    const qint64 first = seconds - (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
    const qint64 end = first + 24 * 3600;
    if (sameDayAndOffset(first, local) && sameDayAndOffset(end - 1, local)) {
        day.first = first;
        day.end = end;
        day.date = local;
        day.text.clear();
    }
    return true;
}

} // namespace

QString dayTextOf(qint64 seconds)
{
    // QDateTime's local time rereads the zone for every call; the C library
    // keeps it loaded. Texts are shared so that a conversation's messages
    // hold one copy of each day.
    thread_local QHash<int, QString> days;
    struct tm local = {};
    if (!localTimeOf(seconds, local))
        return QString();
    LocalDay &day = lastDay;
    const bool kept = seconds >= day.first && seconds < day.end;
    if (kept && !day.text.isNull())
        return day.text;
    const int key = (local.tm_year + 1900) * 512 + local.tm_mon * 32 + local.tm_mday;
    auto it = days.constFind(key);
    if (it == days.constEnd()) {
        const QString text = QStringLiteral("%1-%2-%3")
                                 .arg(local.tm_year + 1900, 4, 10, QChar('0'))
                                 .arg(local.tm_mon + 1, 2, 10, QChar('0'))
                                 .arg(local.tm_mday, 2, 10, QChar('0'));
        it = days.insert(key, text);
    }
    if (kept)
        day.text = *it;
    return *it;
}

QString dateTextOf(qint64 value, bool keepFormat)
{
    return value == 0 ? QString() : formatTimestamp(value, keepFormat, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString dateTimeTextOf(qint64 seconds)
{
    struct tm local = {};
    if (seconds == 0 || !localTimeOf(seconds, local))
        return QString();
    // Written by hand: one message each, printf would be most of the cost.
    const int fields[] = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec};
    static const char separators[] = "-- ::";
    QString text(19, Qt::Uninitialized);
    QChar *p = text.data();
    const int year = qBound(0, fields[0], 9999);
    *p++ = QLatin1Char(char('0' + year / 1000));
    *p++ = QLatin1Char(char('0' + year / 100 % 10));
    *p++ = QLatin1Char(char('0' + year / 10 % 10));
    *p++ = QLatin1Char(char('0' + year % 10));
    for (int i = 1; i < 6; ++i) {
        *p++ = QLatin1Char(separators[i - 1]);
        *p++ = QLatin1Char(char('0' + fields[i] / 10));
        *p++ = QLatin1Char(char('0' + fields[i] % 10));
    }
    return text;
}

QString durationTextOf(qint64 seconds)
{
    if (seconds <= 0)
        return QStringLiteral("00:00:00");
    // Calls longer than a day still read as hours.
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QChar('0'))
        .arg((seconds / 60) % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

namespace {

struct KindList
{
    int kind;
    QStringList endings;
};

// In the order they are tested: the first list with a matching ending wins.
const QList<KindList> &kindLists()
{
    static const QList<KindList> lists = {
        {TextKind, {".txt"}},
        {PdfKind, {".pdf"}},
        {WordKind, {".doc", ".docx", ".docm", ".dotx", ".dotm", ".dot"}},
        {SpreadsheetKind, {".xls", ".xlsx", ".csv", "xlsm", "xlsb", "xltx", "xlt"}},
        {PresentationKind, {".ppt", ".pptx", ".pps", ".ppsx", ".ppa", ".ppam", ".pot", ".potx", ".thmx"}},
        {ArchiveKind, {".tar", ".gz", ".tar.gz", ".tgz", ".bz2", ".tar.bz2", ".Z", ".tar.Z", ".zip", ".rar", ".7z"}},
        {AudioKind, {".wav", ".mp3", ".wma", ".ogg", ".ape", ".mid", ".aac", ".amr", ".m4r", ".m4b", ".flac", ".aiff",
                     ".opus", ".caf", ".wv", ".m4a"}},
        {ImageKind, {".jpg", ".jpeg", ".png", ".ico", ".bmp", ".tiff", ".tif", ".svg", ".thumb", ".psd", ".exif",
                     ".gif", ".heic", ".heif", ".heics", ".heifs"}},
        {VideoKind, {".mov", ".mp4", ".avi", ".flv", ".m4v", ".mkv", ".rmvb", ".wmv", ".webm"}},
    };
    return lists;
}

const QStringList &heifEndings()
{
    static const QStringList endings = {".heic", ".heif", ".heics", ".heifs"};
    return endings;
}

// Scaled to 200 x 200 into the media cache as PNG; empty when the file
// cannot be read as a picture.
QString convertHeif(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return QString();
    reader.setScaledSize(QSize(200, 200));
    const QImage image = reader.read();
    if (image.isNull())
        return QString();
    const QString folder = cacheMediaFolder();
    QDir().mkpath(folder);
    const QString target = folder + "/" + QFileInfo(path).baseName();
    return image.save(target, "PNG") ? target : QString();
}

} // namespace

qint64 modifiedSeconds(const QFileInfo &info)
{
    const QDateTime modified = info.lastModified();
    return modified.isValid() ? modified.toSecsSinceEpoch() : 0;
}

int mediaKindOf(const QString &fileName)
{
    for (const KindList &list : kindLists())
        if (endsWithAny(fileName, list.endings, Qt::CaseInsensitive))
            return list.kind;
    return OtherKind;
}

QString mediaIconOf(int mediaKind)
{
    switch (mediaKind) {
    case AudioKind: return QStringLiteral(":/Images/media/mp3.png");
    case ArchiveKind: return QStringLiteral(":/Images/media/rar.png");
    case WordKind: return QStringLiteral(":/Images/media/word.png");
    case SpreadsheetKind: return QStringLiteral(":/Images/media/xls.png");
    case PresentationKind: return QStringLiteral(":/Images/media/ppt.png");
    case PdfKind: return QStringLiteral(":/Images/media/pdf.png");
    default: return QStringLiteral(":/Images/media/other.png");
    }
}

bool isHeifName(const QString &fileName)
{
    return endsWithAny(fileName, heifEndings(), Qt::CaseInsensitive);
}

QString cacheMediaFolder()
{
    return SettingsEntry::instance()->cacheMediaPath();
}

QString videoThumbnailPath(const QString &videoPath)
{
    return cacheMediaFolder() + "/" + QFileInfo(videoPath).baseName() + ".jpg";
}

void queueThumbnail(const QString &videoPath, const QString &picturePath)
{
    // The converter writes the picture but makes no folders.
    QDir().mkpath(QFileInfo(picturePath).absolutePath());
    ThumbnailSessionManager::instance()->addTask(videoPath, picturePath);
}

QString copyThumbnail(const QString &existingThumb, const QString &folder, const QString &sourceFile)
{
    QDir().mkpath(folder);
    const QString target = folder + "/" + QFileInfo(sourceFile).baseName() + ".jpg";
    if (!existingThumb.isEmpty())
        QFile::copy(existingThumb, target);
    return target;
}

MediaInfo buildMessageAttachment(SMSInfo &message)
{
    const QFileInfo file(message.attachmentPath);
    const QString name = file.fileName();
    const int kind = mediaKindOf(name);
    QString preview;
    if (kind == VideoKind) {
        preview = videoThumbnailPath(message.attachmentPath);
        queueThumbnail(message.attachmentPath, preview);
    } else if (kind == ImageKind) {
        preview = isHeifName(name) ? convertHeif(message.attachmentPath) : message.attachmentPath;
    } else {
        preview = mediaIconOf(kind);
    }

    MediaInfo media;
    media.name = name;
    media.suffix = file.suffix();
    media.path = message.attachmentPath;
    media.preview = preview;
    media.time = modifiedSeconds(file);
    media.size = file.exists() ? file.size() : 0;
    media.mediaKind = quint16(kind);
    media.deleted = !file.exists();

    message.mediaKind = quint16(kind);
    message.text = name;
    message.attachmentPreview = preview;
    return media;
}

bool buildAttachmentMedia(const QString &path, const QString &secondPath, MediaInfo &media)
{
    if (path.isEmpty())
        return false;
    const QFileInfo file(path);
    // A backup keeps the file under its id: the name the database gives it
    // is the one a person knows, searches for and gets back in the export.
    const QString given = QFileInfo(secondPath).fileName();
    media.name = given.isEmpty() || given == QLatin1String(".") || given == QLatin1String("..") ? file.fileName()
                                                                                               : given;
    const QString nameSuffix = QFileInfo(media.name).suffix();
    media.suffix = nameSuffix.isEmpty() ? file.suffix() : nameSuffix;
    media.path = path;
    media.time = modifiedSeconds(file);
    media.size = file.exists() ? file.size() : 0;
    media.deleted = !file.exists();
    media.isAttachment = true;
    const int kind = mediaKindOf(nameSuffix.isEmpty() ? file.fileName() : media.name);
    media.mediaKind = quint16(kind);
    if (kind == VideoKind) {
        media.preview = videoThumbnailPath(path);
        queueThumbnail(path, media.preview);
    } else if (kind == ImageKind) {
        media.preview = path;
    } else {
        media.preview = mediaIconOf(kind);
    }
    return true;
}

SMSSessionInfo buildSmsSession(const DeviceParserPrivate &store, const SMSInfo &message)
{
    SMSSessionInfo session;
    session.key = message.handle;
    session.displayName = message.handle;
    if (!message.isGroup) {
        ContactInfo contact;
        if (store.findContactByNumber(message.handle, &contact)) {
            session.displayName = contact.sortName;
            session.avatar = contact.photoPath;
        } else {
            session.avatar = QStringLiteral(":/Images/default_Persion.png");
        }
    } else {
        session.avatar = QStringLiteral(":/Images/default_Group.png");
    }
    session.lastMessage = QVariant::fromValue(message);
    session.time = message.time;
    session.deleted = message.deleted;
    session.valid = true;
    return session;
}

QString contactDateText(const QString &text)
{
    return formatTimestamp(qint64(text.toDouble()), false, QStringLiteral("yyyy-MM-dd"));
}

ContactInfo convertDeviceContact(const STAddressBook &record)
{
    ContactInfo contact;
    contact.rowId = quint16(record.rowId);
    contact.recordId = record.rowId;
    contact.firstName = fromWide(record.first);
    contact.middleName = fromWide(record.middle);
    contact.lastName = fromWide(record.last);
    contact.sortName = contact.lastName + contact.firstName + contact.middleName;
    if (contact.sortName.isEmpty())
        contact.sortName = fromWide(record.compositeNameFallback);
    contact.time = record.creationDate;
    contact.organization = fromWide(record.organization);
    contact.department = fromWide(record.department);
    contact.note = fromWide(record.note);
    contact.jobTitle = fromWide(record.jobTitle);
    contact.nickname = fromWide(record.nickname);
    const QString birthday = fromWide(record.birthday);
    contact.birthday = birthday.isEmpty() ? birthday : contactDateText(birthday);
    return contact;
}

ContactInfo convertCloudContact(const Cirrane::STContacts &record)
{
    ContactInfo contact;
    contact.rowId = quint16(record.contactId);
    contact.recordId = record.contactId;
    contact.firstName = fromWide(record.firstName);
    contact.middleName = fromWide(record.middleName);
    contact.lastName = fromWide(record.lastName);
    contact.sortName = contact.lastName + contact.firstName + contact.middleName;
    contact.time = QDateTime::currentSecsSinceEpoch();
    contact.birthday = fromWide(record.birthday);
    // The year 1604 stands for a birthday without a year.
    const int year = contact.birthday.indexOf(QLatin1String("1604-"));
    if (year >= 0)
        contact.birthday.remove(year, 5);
    return contact;
}

namespace {

// The earlier text when it reads the same, so that a chat's messages share it.
QString sharedText(const std::wstring &text, const QString *earlier)
{
    if (earlier && size_t(earlier->size()) == text.size()) {
        const QChar *q = earlier->constData();
        bool same = true;
        for (size_t i = 0; same && i < text.size(); ++i)
            same = quint32(text[i]) == q[i].unicode();
        if (same)
            return *earlier;
    }
    return fromWide(text);
}

} // namespace

WaMessageInfo buildWaMessage(const DeviceParserPrivate &store, const STWhatsAppMessage &message, bool quote,
                             const WaMessageInfo *previous)
{
    WaMessageInfo info;
    info.pk = message.pk;
    info.messageStatus = message.messageStatus;
    info.messageType = message.messageType;
    info.groupEventType = message.groupEventType;
    info.groupMember = message.groupMember;
    info.starred = message.starred;
    info.chatSession = message.chatSession;
    info.isQuote = quote ? 1 : 0;
    info.isFromMe = message.isFromMe;
    info.hasQuote = message.hasQuote;
    info.isSystemText = message.isSystemText;
    info.date = toUnixSeconds(message.date);
    info.dayText = dayTextOf(info.date);
    info.dateTimeText = dateTimeTextOf(info.date);
    info.peerJid = sharedText(message.peerJid, previous ? &previous->peerJid : nullptr);
    info.text = fromWide(message.text);
    if (info.text.contains(QLatin1Char('<')) || info.text.contains(QLatin1Char('>')))
        escapeHtml(info.text);
    info.sessionName = sharedText(message.sessionName, previous ? &previous->sessionName : nullptr);
    info.fileName = fromWide(message.title);
    info.mediaTitle = fromWide(message.mediaTitle);
    info.movieDuration = message.movieDuration;
    if (message.fileSize > 0) {
        info.fileSizeText = formatFileSize(quint64(message.fileSize), 1);
    } else {
        static const QString none = formatFileSize(0, 1);
        info.fileSizeText = none;
    }
    info.latitude = message.latitude;
    info.longitude = message.longitude;
    // The engine's paths name files on this machine: keep them as they are.
    info.thumbnailPath = QDir::toNativeSeparators(fromWide(message.thumbnailFile));
    info.mediaPath = message.mediaFile.empty() ? info.thumbnailPath
                                               : QDir::toNativeSeparators(fromWide(message.mediaFile));
    info.mediaExists = !info.mediaPath.isEmpty() && QFileInfo::exists(info.mediaPath);
    info.direction = message.isFromMe != 0 ? 2 : 1;
    const auto cached = store.cachedNames.constFind(info.peerJid);
    if (cached != store.cachedNames.constEnd()) {
        info.senderJid = cached->jid;
        info.senderNumber = cached->number;
        info.senderName = cached->pushName;
    }
    if (info.senderName.isEmpty() && previous && info.peerJid.isSharedWith(previous->peerJid)
        && previous->senderJid.isNull()) {
        info.senderName = previous->senderName;
    } else if (info.senderName.isEmpty()) {
        const int at = info.peerJid.lastIndexOf(QLatin1Char('@'));
        info.senderName = at < 0 ? info.peerJid : info.peerJid.left(at);
    }
    return info;
}

QString contactCardTitle(const QByteArray &vCardText)
{
    QStringList names;
    for (const QByteArray &line : vCardText.split('\n')) {
        if (!line.startsWith("FN:"))
            continue;
        QByteArray name = line.mid(3);
        // Cards end their lines in CRLF; the name is what comes before.
        if (name.endsWith('\r'))
            name.chop(1);
        names.append(QString::fromUtf8(name));
    }
    if (names.size() > 1) {
        const int others = static_cast<int>(names.size() - 1);
        return QCoreApplication::translate("DeviceParser", "%1 and %n other contact(s)", nullptr, others)
            .arg(names.first());
    }
    if (names.size() == 1)
        return names.first();
    return QString::number(QDateTime::currentMSecsSinceEpoch());
}

} // namespace RecordBuilders
