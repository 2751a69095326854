#include "encodingutils.h"

#include <QTextCodec>

#include <cstdlib>
#include <cstring>

namespace
{
    QTextCodec *ansiCodec()
    {
        return QTextCodec::codecForLocale();
    }

    // Text from bytes in a codec; false when a byte sequence is invalid.
    bool decode(QTextCodec *codec, const QByteArray &bytes, QString &text)
    {
        if (!codec)
            return false;
        // Byte for byte: a byte-order mark is text like any other, and a
        // sequence cut short at the end is invalid.
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        text = codec->toUnicode(bytes.constData(), bytes.size(), &state);
        if (state.invalidChars != 0 || state.remainingChars != 0)
            return false;
        // The ICU codecs (GBK among them) put U+FFFD for a bad sequence
        // without counting it; only UTF-8 can hold U+FFFD as real text.
        return codec->mibEnum() == 106 || !text.contains(QChar::ReplacementCharacter);
    }

    std::wstring toWide(const QString &text)
    {
        return text.toStdWString();
    }

    QString fromWide(const wchar_t *text)
    {
        return QString::fromWCharArray(text, int(std::wcslen(text)));
    }

    template<typename Unit>
    Unit *copyToMalloc(const Unit *data, size_t length)
    {
        auto *buffer = static_cast<Unit *>(std::calloc(length + 1, sizeof(Unit)));
        if (buffer)
            std::memcpy(buffer, data, length * sizeof(Unit));
        return buffer;
    }

    template<typename Unit>
    bool copyToBuffer(const Unit *data, size_t length, Unit *buffer, int capacity)
    {
        if (!buffer || capacity <= 0 || length + 1 > size_t(capacity))
            return false;
        std::memcpy(buffer, data, length * sizeof(Unit));
        buffer[length] = 0;
        return true;
    }

    bool ansiToQString(const char *text, QString &out)
    {
        return text && decode(ansiCodec(), QByteArray(text), out);
    }

    bool qStringToAnsi(const QString &text, QByteArray &out)
    {
        QTextCodec *codec = ansiCodec();
        if (!codec)
            return false;
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        out = codec->fromUnicode(text.constData(), text.size(), &state);
        return state.invalidChars == 0 && state.remainingChars == 0;
    }

    bool utf8ToQString(const char *text, QString &out)
    {
        return text && decode(QTextCodec::codecForName("UTF-8"), QByteArray(text), out);
    }
}

bool ansiToWideBuffer(const char *text, wchar_t *buffer, int length)
{
    QString decoded;
    if (!ansiToQString(text, decoded))
        return false;
    const std::wstring wide = toWide(decoded);
    return copyToBuffer(wide.data(), wide.size(), buffer, length);
}

wchar_t *ansiToWide(const char *text)
{
    QString decoded;
    if (!ansiToQString(text, decoded))
        return nullptr;
    const std::wstring wide = toWide(decoded);
    return copyToMalloc(wide.data(), wide.size());
}

std::wstring ansiToWideString(const std::string &text)
{
    QString decoded;
    return ansiToQString(text.c_str(), decoded) ? toWide(decoded) : std::wstring();
}

char *ansiToUtf8(const char *text)
{
    QString decoded;
    if (!ansiToQString(text, decoded))
        return nullptr;
    const QByteArray utf8 = decoded.toUtf8();
    return copyToMalloc(utf8.constData(), size_t(utf8.size()));
}

std::string ansiToUtf8String(const std::string &text)
{
    QString decoded;
    return ansiToQString(text.c_str(), decoded) ? decoded.toUtf8().toStdString() : std::string();
}

bool wideToAnsiBuffer(const wchar_t *text, char *buffer, int length)
{
    QByteArray ansi;
    if (!text || !qStringToAnsi(fromWide(text), ansi))
        return false;
    return copyToBuffer(ansi.constData(), size_t(ansi.size()), buffer, length);
}

char *wideToAnsi(const wchar_t *text)
{
    QByteArray ansi;
    if (!text || !qStringToAnsi(fromWide(text), ansi))
        return nullptr;
    return copyToMalloc(ansi.constData(), size_t(ansi.size()));
}

std::string wideToAnsiString(const std::wstring &text)
{
    QByteArray ansi;
    return qStringToAnsi(QString::fromStdWString(text), ansi) ? ansi.toStdString() : std::string();
}

char *wideToUtf8(const wchar_t *text)
{
    if (!text)
        return nullptr;
    const QByteArray utf8 = fromWide(text).toUtf8();
    return copyToMalloc(utf8.constData(), size_t(utf8.size()));
}

std::string wideToUtf8String(const std::wstring &text)
{
    return QString::fromStdWString(text).toUtf8().toStdString();
}

char *utf8ToAnsi(const char *text)
{
    QString decoded;
    QByteArray ansi;
    if (!utf8ToQString(text, decoded) || !qStringToAnsi(decoded, ansi))
        return nullptr;
    return copyToMalloc(ansi.constData(), size_t(ansi.size()));
}

std::string utf8ToAnsiString(const std::string &text)
{
    QString decoded;
    QByteArray ansi;
    if (!utf8ToQString(text.c_str(), decoded) || !qStringToAnsi(decoded, ansi))
        return std::string();
    return ansi.toStdString();
}

bool utf8ToWideBuffer(const char *text, wchar_t *buffer, int length)
{
    QString decoded;
    if (!utf8ToQString(text, decoded))
        return false;
    const std::wstring wide = toWide(decoded);
    return copyToBuffer(wide.data(), wide.size(), buffer, length);
}

wchar_t *utf8ToWide(const char *text)
{
    QString decoded;
    if (!utf8ToQString(text, decoded))
        return nullptr;
    const std::wstring wide = toWide(decoded);
    return copyToMalloc(wide.data(), wide.size());
}

std::wstring utf8ToWideString(const std::string &text)
{
    QString decoded;
    return utf8ToQString(text.c_str(), decoded) ? toWide(decoded) : std::wstring();
}

QString decodeUtf8OrGbk(const QByteArray &bytes)
{
    QString text;
    if (decode(QTextCodec::codecForName("UTF-8"), bytes, text))
        return text;
    QTextCodec *gbk = QTextCodec::codecForName("GBK");
    return gbk ? gbk->toUnicode(bytes) : text;
}

QString decodeGbkOrUtf8(const QByteArray &bytes)
{
    // Without a GBK codec the UTF-8 reading is all there is.
    QString text;
    if (decode(QTextCodec::codecForName("GBK"), bytes, text))
        return text;
    return QString::fromUtf8(bytes);
}

bool trimBlanks(std::string &text, bool trailing)
{
    if (text.empty())
        return false;
    const size_t first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    if (trailing) {
        const size_t last = text.find_last_not_of(' ');
        text.erase(last == std::string::npos ? 0 : last + 1);
    }
    return true;
}
