#include "formatutils.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QSet>
#include <QTime>
#include <QtAlgorithms>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace
{
    const qint64 kAppleEpochOffset = 978307200;     // 2001-01-01 in Unix seconds
    const qint64 kYear1604Offset = 977659200;       // the same day, shifted for dates before 1604
    const qint64 kYear1604Start = -12528201943;
    const qint64 kYear1605Start = -12496665942;
    // Beyond this many seconds a date would overflow QDateTime's milliseconds.
    const qint64 kMaxSeconds = std::numeric_limits<qint64>::max() / 1000;

    // floor(log10(value)) as the digit count of the value read unsigned, so
    // every negative value counts as 19 (or, far from zero, as 18).
    int magnitude(qint64 value)
    {
        return decimalDigitCount(quint64(value)) - 1;
    }

    QString secondsText(qint64 seconds, const QString &format, qint64 original)
    {
        if (seconds > kMaxSeconds || seconds < -kMaxSeconds)
            return QString::number(original);
        return QDateTime::fromSecsSinceEpoch(seconds).toString(format);
    }

    QString beforeAppleEpochText(qint64 value, bool keepFormat, const QString &format)
    {
        if (value < kYear1604Start)
            return secondsText(value + kYear1604Offset, keepFormat ? format : "yyyy-MM-dd", value);
        const bool yearless = value < kYear1605Start;
        const QString shown = keepFormat ? format : (yearless ? "MM-dd" : "yyyy-MM-dd");
        return secondsText(value + kAppleEpochOffset, shown, value);
    }
}

QString formatFileSize(quint64 size, int precision)
{
    if (size == 0)
        return QStringLiteral("0KB");
    if (size < 1024)
        return QStringLiteral("%1B").arg(size);
    static const QStringList units {"KB", "MB", "GB", "TB"};
    double d = double(size);
    int index = -1;
    while (d >= 1024.0 && index < units.size() - 1) {
        d *= 0.0009765625;
        ++index;
    }
    QString number = QString::number(d, 'f', precision);
    if (number.contains('.')) {
        while (number.endsWith('0'))
            number.chop(1);
        if (number.endsWith('.'))
            number.chop(1);
    }
    return number + units.at(index);
}

QString formatTimestamp(qint64 value, bool keepFormat, const QString &format)
{
    switch (magnitude(value)) {
    case 8: return secondsText(value + kAppleEpochOffset, format, value);
    case 9: return secondsText(value, format, value);
    case 12: return QDateTime::fromMSecsSinceEpoch(value).toString(format);
    case 15: return QDateTime::fromMSecsSinceEpoch(qint64(double(value) / 1000.0)).toString(format);
    case 17: return secondsText(value / 1000000000 + kAppleEpochOffset, format, value);
    case 19: return beforeAppleEpochText(value, keepFormat, format);
    default: return QString::number(value, 10);
    }
}

qint64 toUnixSeconds(qint64 value)
{
    switch (magnitude(value)) {
    case 8: return value + kAppleEpochOffset;
    case 9: return value;
    case 12: return qint64(double(value) / 1000.0);
    case 15: return qint64(double(value) / 1000.0 / 1000.0);
    case 17: return value / 1000000000 + kAppleEpochOffset;
    case 19: return value + (value < kYear1604Start ? kYear1604Offset : kAppleEpochOffset);
    default: return value / 1000000000 - kAppleEpochOffset;
    }
}

QString formatDuration(int seconds)
{
    const int minutes = seconds / 60;
    return QStringLiteral("%1:%2").arg(minutes, 2, 10, QChar('0')).arg(seconds - 60 * minutes, 2, 10, QChar('0'));
}

int compareVersion(const QString &a, const QString &b)
{
    QStringList left = a.split('.', Qt::KeepEmptyParts);
    QStringList right = b.split('.', Qt::KeepEmptyParts);
    while (left.size() < right.size())
        left << "0";
    while (right.size() < left.size())
        right << "0";
    for (int i = 0; i < left.size(); ++i) {
        const int l = left.at(i).toInt(nullptr, 10);
        const int r = right.at(i).toInt(nullptr, 10);
        if (l != r)
            return l > r ? 1 : -1;
    }
    return 0;
}

QString highlightKeyword(const QString &keyword, const QString &text, const QString &colour)
{
    if (keyword.isEmpty() || text.isEmpty())
        return text;
    const QString open = QStringLiteral("<font color=\"%1\">").arg(colour);
    QString out;
    int done = 0;
    for (int hit = text.indexOf(keyword, 0, Qt::CaseInsensitive); hit >= 0;
         hit = text.indexOf(keyword, done, Qt::CaseInsensitive)) {
        out.append(text.midRef(done, hit - done)).append(open);
        out.append(text.midRef(hit, keyword.size())).append(QLatin1String("</font>"));
        done = hit + keyword.size();
    }
    return out.append(text.midRef(done));
}

QString highlightKeyword(const QRegExp &expression, const QString &text, const QString &colour)
{
    return highlightKeyword(expression.pattern(), text, colour);
}

QString &escapeHtml(QString &text)
{
    return text.replace('<', "&lt;").replace('>', "&gt;");
}

QString wrapTextToWidth(const QString &text, const QFont &font, int maxWidth, bool plainBreaks)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) < maxWidth)
        return text;
    const QString separator = plainBreaks ? QStringLiteral("\n") : QStringLiteral("<br/>");
    QString result;
    QString line;
    for (int i = 0; i < text.size();) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const int length = pair ? 2 : 1;
        line.append(text.midRef(i, length));
        i += length;
        if (metrics.horizontalAdvance(line) >= maxWidth) {
            result += line + separator;
            line.clear();
        }
    }
    return result + line;
}

QString translateText(const char *context, const char *sourceText)
{
    return QCoreApplication::translate(context, sourceText, nullptr, -1);
}

QString percentDecode(const QString &text)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8(), '%'));
}

int randomNumber(int n)
{
    if (n <= 0)
        return 0;
    const QTime now = QTime::currentTime();
    std::srand(unsigned(now.second() * 1000 + now.msec()));
    return std::rand() % n;
}

bool endsWithAny(const QString &text, const QStringList &suffixes, Qt::CaseSensitivity cs)
{
    return std::any_of(suffixes.cbegin(), suffixes.cend(),
                       [&](const QString &suffix) { return text.endsWith(suffix, cs); });
}

bool isHttpUrl(const QString &text)
{
    return text.startsWith(QLatin1String("http"), Qt::CaseInsensitive);
}

bool isDriveAbsolutePath(const QString &text)
{
    return text.size() >= 3 && text.at(1) == ':' && (text.at(2) == '\\' || text.at(2) == '/');
}

QString utcTextToLocalText(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
    if (!time.isValid())
        return QString();
    time.setTimeSpec(Qt::UTC);
    return time.toLocalTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
}

QString toBinaryText8(int value)
{
    return QString::number(value, 2).rightJustified(8, '0');
}

QString toBinaryText16(int value)
{
    return QString::number(value, 2).rightJustified(16, '0');
}

QString toHexByteText(int value)
{
    return QString::number(value, 16).rightJustified(2, '0');
}

QString hexToBinaryText(const QString &hex)
{
    return toBinaryText8(hex.toInt(nullptr, 16) & 0xFF);
}

int parseIntBase2(const QString &text)
{
    return text.toInt(nullptr, 2);
}

int parseIntBase10(const QString &text)
{
    return text.toInt(nullptr, 10);
}

int parseIntBase16(const QString &text)
{
    return text.toInt(nullptr, 16);
}

QString hexDumpText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString spacedHexText(const QString &hexDigits)
{
    QStringList pairs;
    for (int i = 0; i < hexDigits.size(); i += 2)
        pairs << hexDigits.mid(i, 2);
    return pairs.join(' ');
}

QString &escapeSqlQuotes(QString &text)
{
    return text.replace('\'', "''");
}

QStringList extractUrls(const QString &text, bool allInOrder)
{
    QRegExp expression(QStringLiteral(
        R"(((http|https):\/\/[\w\-_]+(\.[\w\-_]+)+([\w\-\.,@?^=%&amp;:/~\+#]*[\w\-\@?^=%&amp;/~\+#])?))"),
        Qt::CaseSensitive);
    QStringList found;
    for (int at = expression.indexIn(text, 0); at >= 0;
         at = expression.indexIn(text, at + qMax(1, expression.matchedLength())))
        found << expression.cap(1);
    if (allInOrder)
        return found;
    const QSet<QString> distinct(found.cbegin(), found.cend());
    return QStringList(distinct.cbegin(), distinct.cend());
}

QString maskedTailText(const QString &text)
{
    const QString marker = QStringLiteral("[\"") + QString(3, QChar(0x2022));
    const int start = text.indexOf(marker);
    const int quote = start < 0 ? -1 : text.indexOf('"', start + 7);
    return quote < 0 ? QStringLiteral("****") : "**" + text.mid(quote - 2, 2);
}

bool isCjkUtf8Char(const char *data, int size)
{
    if (!data || size < 3)
        return false;
    const auto b0 = uchar(data[0]);
    const auto b1 = uchar(data[1]);
    const auto b2 = uchar(data[2]);
    if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80)
        return false;
    const uint code = uint(b0 & 0x0F) << 12 | uint(b1 & 0x3F) << 6 | uint(b2 & 0x3F);
    return code >= 0x4E00 && code <= 0x9FB5;
}

int decimalDigitCount(quint64 value)
{
    // From the bit length, not by dividing: every message's date asks.
    static constexpr quint64 powers[] = {1ULL,
                                         10ULL,
                                         100ULL,
                                         1000ULL,
                                         10000ULL,
                                         100000ULL,
                                         1000000ULL,
                                         10000000ULL,
                                         100000000ULL,
                                         1000000000ULL,
                                         10000000000ULL,
                                         100000000000ULL,
                                         1000000000000ULL,
                                         10000000000000ULL,
                                         100000000000000ULL,
                                         1000000000000000ULL,
                                         10000000000000000ULL,
                                         100000000000000000ULL,
                                         1000000000000000000ULL,
                                         10000000000000000000ULL};
    if (value < 10)
        return 1;
    // floor(log10(2^bits)), which is the count or one more.
    const int guess = int((64 - qCountLeadingZeroBits(value)) * 1233) >> 12;
    return guess + (value < powers[guess] ? 0 : 1);
}

int writeDecimalDigits(quint64 value, char *buffer, int capacity)
{
    static const QByteArray pairs = [] {
        QByteArray table;
        for (int i = 0; i < 100; ++i)
            table += QByteArray::number(i).rightJustified(2, '0');
        return table;
    }();
    const int count = decimalDigitCount(value);
    if (!buffer || capacity < count)
        return 0;
    char *out = buffer + count;
    for (; value >= 10; value /= 100) {
        const int at = int(value % 100) * 2;
        *--out = pairs.at(at + 1);
        *--out = pairs.at(at);
        if (value < 100)
            return count;
    }
    *--out = char('0' + value);
    return count;
}

char hexDigitChar(int value)
{
    return "0123456789ABCDEF"[value & 0xF];
}

QString prependChar(const QString &text, char c)
{
    return QString(text).prepend(QLatin1Char(c));
}
