#include "exifreader.h"

#include <QFile>
#include <QVector>

#include <cmath>
#include <cstring>

namespace {

enum Format : quint16
{
    Byte = 1,
    Ascii = 2,
    Short = 3,
    Long = 4,
    Rational = 5,
    Undefined = 7,
    SignedLong = 9,
    SignedRational = 10
};

// Bytes per value; 0 for a format whose value is not read, -1 for an unknown one.
int unitSize(quint16 format)
{
    switch (format) {
    case Byte:
    case Ascii:
        return 1;
    case Short:
        return 2;
    case Long:
        return 4;
    case Rational:
    case SignedRational:
        return 8;
    case Undefined:
    case SignedLong:
        return 0;
    default:
        return -1;
    }
}

// A deep copy: the entry's bytes point into the caller's buffer.
QByteArray cutAtNul(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QByteArray(bytes.constData(), nul < 0 ? bytes.size() : nul);
}

// No field takes more than the first four numbers of an entry; reading more
// would only cost time on a crafted file.
constexpr quint64 MaxNumbersRead = 4;

} // namespace

// One IFD entry while it is parsed. `bytes` is not a copy: it lives only as
// long as the parsed buffer.
struct ExifReader::Entry
{
    quint16 tag = 0;
    quint16 format = 0;
    quint32 count = 0;
    bool valid = false;
    QByteArray bytes;
    QVector<quint16> shorts;
    QVector<quint32> longs;
    QVector<double> rationals;
};

// The APP1 payload: "Exif\0\0", then a TIFF block whose offsets count from
// byte 6. Reads outside the payload give 0.
class ExifReader::Block
{
public:
    Block(const uchar *data, qint64 length, bool littleEndian)
        : m_data(data), m_length(length), m_littleEndian(littleEndian)
    {
    }

    qint64 length() const { return m_length; }
    bool contains(qint64 pos, qint64 size) const { return pos >= 0 && size >= 0 && pos <= m_length - size; }

    quint16 u16(qint64 pos) const
    {
        if (!contains(pos, 2))
            return 0;
        return m_littleEndian ? quint16(m_data[pos] | m_data[pos + 1] << 8)
                              : quint16(m_data[pos] << 8 | m_data[pos + 1]);
    }

    quint32 u32(qint64 pos) const
    {
        if (!contains(pos, 4))
            return 0;
        const quint32 a = u16(pos), b = u16(pos + 2);
        return m_littleEndian ? (b << 16 | a) : (a << 16 | b);
    }

    double rational(qint64 pos, bool isSigned) const
    {
        const quint32 num = u32(pos), den = u32(pos + 4);
        if (isSigned)
            return qint32(den) == 0 ? 0.0 : double(qint32(num)) / double(qint32(den));
        return den == 0 ? 0.0 : double(num) / double(den);
    }

    QByteArray rawBytes(qint64 pos, qint64 size) const
    {
        return contains(pos, size) ? QByteArray::fromRawData(reinterpret_cast<const char *>(m_data + pos), int(size))
                                   : QByteArray();
    }

    // One 12-byte IFD entry. Its value lies in the entry when it fits in four
    // bytes, else at 6 + offset, and must end inside the block.
    ExifReader::Entry entry(qint64 pos) const
    {
        ExifReader::Entry e;
        e.tag = u16(pos);
        e.format = u16(pos + 2);
        e.count = u32(pos + 4);
        const quint64 count = e.count;
        const int unit = unitSize(e.format);
        if (unit <= 0) {
            e.valid = unit == 0;
            return e;
        }
        const quint64 size = count * quint64(unit);
        const qint64 valuePos = size > 4 ? 6 + qint64(u32(pos + 8)) : pos + 8;
        if (!contains(valuePos, qint64(size)))
            return e;
        e.valid = true;
        for (quint64 i = 0; i < qMin(count, MaxNumbersRead); ++i) {
            const qint64 at = valuePos + qint64(i) * unit;
            if (e.format == Short)
                e.shorts.append(u16(at));
            else if (e.format == Long)
                e.longs.append(u32(at));
            else if (e.format == Rational || e.format == SignedRational)
                e.rationals.append(rational(at, e.format == SignedRational));
        }
        if (unit == 1)
            e.bytes = rawBytes(valuePos, qint64(size));
        return e;
    }

private:
    const uchar *m_data;
    qint64 m_length;
    bool m_littleEndian;
};

namespace {

void takeText(const ExifReader::Entry &e, QByteArray *field)
{
    if (e.format == Ascii && !e.bytes.isEmpty())
        *field = cutAtNul(e.bytes);
}

void takeShort(const ExifReader::Entry &e, quint16 *field)
{
    if (e.format == Short && !e.shorts.isEmpty())
        *field = e.shorts.first();
}

void takeRational(const ExifReader::Entry &e, double *field, bool signedToo = false)
{
    const bool formatOk = e.format == Rational || (signedToo && e.format == SignedRational);
    if (formatOk && !e.rationals.isEmpty())
        *field = e.rationals.first();
}

void takePixels(const ExifReader::Entry &e, quint32 *field)
{
    if (e.format == Long && !e.longs.isEmpty())
        *field = e.longs.first();
    else if (e.format == Short && !e.shorts.isEmpty())
        *field = e.shorts.first();
}

// Position of a sub-IFD named by a pointer entry, or -1.
qint64 subIfdPosition(const ExifReader::Entry &e)
{
    if (e.format == Long && !e.longs.isEmpty())
        return 6 + qint64(e.longs.first());
    return -1;
}

bool isRationalFormat(const ExifReader::Entry &e)
{
    return e.format == Rational || e.format == SignedRational;
}

} // namespace

void ExifReader::clear()
{
    *this = ExifReader();
}

QString ExifReader::readExifDateTime(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray head = file.read(MaxReadBytes);
    const bool wholeFile = file.atEnd();
    ExifReader reader;
    reader.parseJpegData(reinterpret_cast<const uchar *>(head.constData()), head.size(), wholeFile);
    return QString::fromUtf8(reader.dateTime);
}

QDateTime ExifReader::toDateTime(const QString &exifText)
{
    return QDateTime::fromString(exifText, QStringLiteral("yyyy:MM:dd hh:mm:ss"));
}

int ExifReader::parseJpeg(const uchar *data, qint64 length)
{
    return parseJpegData(data, length, true);
}

// Without the whole file the end marker cannot be looked for, and an APP1
// block that runs past the bytes read is parsed as far as it goes.
int ExifReader::parseJpegData(const uchar *data, qint64 length, bool wholeFile)
{
    if (!data || length < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return NotJpeg;
    qint64 usable = length;
    if (wholeFile) {
        qint64 end = length - 1;
        while (end >= 3 && !(data[end - 1] == 0xFF && data[end] == 0xD9))
            --end;
        if (end < 3)
            return NotJpeg;
        usable = end + 1;
    }
    clear();
    qint64 marker = 0;
    while (marker + 1 < usable && !(data[marker] == 0xFF && data[marker + 1] == 0xE1))
        ++marker;
    if (marker + 4 > usable)
        return NoExif;
    const qint64 segmentLength = qint64(data[marker + 2]) << 8 | data[marker + 3];
    if (segmentLength < 16 || (wholeFile && marker + 2 + segmentLength > usable))
        return CorruptData;
    const qint64 payload = marker + 4;
    return parseExifSegment(data + payload, qMin(segmentLength - 2, usable - payload));
}

int ExifReader::parseExifSegment(const uchar *data, qint64 length)
{
    static const uchar exifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (!data || length < 6 || memcmp(data, exifHeader, 6) != 0)
        return NoExif;
    if (length < 14)
        return CorruptData;
    if (data[6] != data[7] || (data[6] != 'I' && data[6] != 'M'))
        return UnknownByteOrder;
    byteAlign = data[6] == 'I';
    const Block block(data, length, byteAlign);
    if (block.u16(8) != 42)
        return CorruptData;

    qint64 exifPos = -1, gpsPos = -1;
    int result = walkIfd(block, 6 + qint64(block.u32(10)), [&](const Entry &e) {
        takeEntry(e);
        if (e.tag == 34665)
            exifPos = subIfdPosition(e);
        else if (e.tag == 34853)
            gpsPos = subIfdPosition(e);
    });
    if (result != Success)
        return result;
    if (exifPos >= 0 && block.contains(exifPos, 4)) {
        result = walkIfd(block, exifPos, [this](const Entry &e) { takeEntry(e); });
        if (result != Success)
            return result;
    }
    if (gpsPos < 0 || !block.contains(gpsPos, 4))
        return Success;
    return walkIfd(block, gpsPos, [this](const Entry &e) { takeGpsEntry(e); });
}

template <typename Visit>
int ExifReader::walkIfd(const Block &block, qint64 pos, Visit visit)
{
    if (!block.contains(pos, 2))
        return CorruptData;
    const qint64 count = block.u16(pos);
    if (!block.contains(pos, 6 + 12 * count))
        return CorruptData;
    for (qint64 i = 0; i < count; ++i) {
        const Entry e = block.entry(pos + 2 + 12 * i);
        if (e.valid)
            visit(e);
    }
    return Success;
}

void ExifReader::takeEntry(const Entry &e)
{
    switch (e.tag) {
    case 270: takeText(e, &imageDescription); break;
    case 271: takeText(e, &make); break;
    case 272: takeText(e, &model); break;
    case 274: takeShort(e, &orientation); break;
    case 258: takeShort(e, &bitsPerSample); break;
    case 305: takeText(e, &software); break;
    case 306: takeText(e, &dateTime); break;
    case 36867: takeText(e, &dateTimeOriginal); break;
    case 36868: takeText(e, &dateTimeDigitized); break;
    case 37521: takeText(e, &subSecTimeOriginal); break;
    case 33432: takeText(e, &copyright); break;
    case 33434: takeRational(e, &exposureTime); break;
    case 33437: takeRational(e, &fNumber); break;
    case 34850: takeShort(e, &exposureProgram); break;
    case 34855: takeShort(e, &isoSpeedRatings); break;
    case 37377: takeRational(e, &shutterSpeedValue, true); break;
    case 37380: takeRational(e, &exposureBiasValue, true); break;
    case 37382: takeRational(e, &subjectDistance); break;
    case 37386: takeRational(e, &focalLength); break;
    case 41989: takeShort(e, &focalLengthIn35mm); break;
    case 37383: takeShort(e, &meteringMode); break;
    case 40962: takePixels(e, &imageWidth); break;
    case 40963: takePixels(e, &imageHeight); break;
    case 41486: takeRational(e, &focalPlaneXResolution); break;
    case 41487: takeRational(e, &focalPlaneYResolution); break;
    case 41488: takeShort(e, &focalPlaneResolutionUnit); break;
    case 42035: takeText(e, &lensMake); break;
    case 42036: takeText(e, &lensModel); break;
    case 37385: takeFlash(e); break;
    case 42034: takeLensInfo(e); break;
    default: break;
    }
}

void ExifReader::takeFlash(const Entry &e)
{
    if (e.format != Short || e.shorts.isEmpty())
        return;
    const quint16 flash = e.shorts.first();
    flashFired = flash & 0x1;
    flashReturn = (flash >> 1) & 0x3;
    flashMode = (flash >> 3) & 0x3;
}

void ExifReader::takeLensInfo(const Entry &e)
{
    if (e.format != Rational)
        return;
    double *targets[] = {&lensFocalLengthMin, &lensFocalLengthMax, &lensFStopMin, &lensFStopMax};
    for (int i = 0; i < qMin(4, e.rationals.size()); ++i)
        *targets[i] = e.rationals.at(i);
}

// The direction letter may come before or after its value.
void ExifReader::takeGpsEntry(const Entry &e)
{
    switch (e.tag) {
    case 1:
    case 3: {
        GpsComponents &parts = e.tag == 1 ? latitudeParts : longitudeParts;
        double &value = e.tag == 1 ? latitude : longitude;
        if (e.bytes.isEmpty())
            return;
        parts.direction = e.bytes.at(0) ? e.bytes.at(0) : '?';
        if (parts.direction == (e.tag == 1 ? 'S' : 'W'))
            value = -std::fabs(value);
        break;
    }
    case 2:
    case 4: {
        if (!isRationalFormat(e) || e.count != 3)
            return;
        GpsComponents &parts = e.tag == 2 ? latitudeParts : longitudeParts;
        double &value = e.tag == 2 ? latitude : longitude;
        parts.degrees = e.rationals.at(0);
        parts.minutes = e.rationals.at(1);
        parts.seconds = e.rationals.at(2);
        value = parts.degrees + parts.minutes / 60 + parts.seconds / 3600;
        if (parts.direction == (e.tag == 2 ? 'S' : 'W'))
            value = -value;
        break;
    }
    case 5:
        if (e.bytes.isEmpty())
            return;
        altitudeRef = quint8(e.bytes.at(0));
        if (altitudeRef == 1)
            altitude = -std::fabs(altitude);
        break;
    case 6:
        if (isRationalFormat(e) && !e.rationals.isEmpty())
            altitude = altitudeRef == 1 ? -e.rationals.first() : e.rationals.first();
        break;
    case 11:
        if (isRationalFormat(e) && !e.rationals.isEmpty())
            dop = e.rationals.first();
        break;
    default:
        break;
    }
}
