#include "exportfilename.h"

#include "fileutils.h"

namespace
{
    constexpr int MaxNameBytes = 255;
    constexpr int NumberRoom = 8; // "(12345)" and a spare byte
    constexpr int MaxSuffixBytes = 32;

    int utf8Size(const QString &text) { return text.toUtf8().size(); }

    // The longest start of text that takes at most bytes bytes of UTF-8,
    // never splitting a character.
    QString cutToBytes(const QString &text, int bytes)
    {
        int used = 0;
        int i = 0;
        while (i < text.size()) {
            const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            const int width = pair ? 4 : text.at(i).unicode() < 0x80 ? 1 : text.at(i).unicode() < 0x800 ? 2 : 3;
            if (used + width > bytes)
                break;
            used += width;
            i += pair ? 2 : 1;
        }
        return text.left(i);
    }

    // The suffix ("." and what follows the last dot) when the name has a
    // short one, else empty.
    QString shortSuffix(const QString &name)
    {
        const int dot = name.lastIndexOf('.');
        const QString suffix = dot > 0 ? name.mid(dot) : QString();
        return utf8Size(suffix) > MaxSuffixBytes ? QString() : suffix;
    }
}

QString ExportFileName::fit(const QString &name)
{
    if (utf8Size(name) <= MaxNameBytes)
        return name;
    const QString suffix = shortSuffix(name);
    const QString stem = name.left(name.size() - suffix.size());
    return cutToBytes(stem, MaxNameBytes - NumberRoom - utf8Size(suffix)) + suffix;
}

QString ExportFileName::numbered(const QString &name, int n)
{
    const int dot = name.lastIndexOf('.');
    const QString number = QStringLiteral("(%1)").arg(n);
    const QString plain = dot > 0 ? name.left(dot) + number + name.mid(dot) : name + number;
    if (utf8Size(plain) <= MaxNameBytes)
        return plain;
    const QString suffix = shortSuffix(name);
    const QString stem = name.left(name.size() - suffix.size());
    return cutToBytes(stem, MaxNameBytes - utf8Size(number) - utf8Size(suffix)) + number + suffix;
}

QString ExportFileName::safe(const QString &name)
{
    QString safe = name;
    sanitizeFileName(safe);
    return fit(safe);
}
