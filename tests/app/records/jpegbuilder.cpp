#include "jpegbuilder.h"

#include <cstring>

std::unique_ptr<uchar[]> exactCopy(const QByteArray &bytes)
{
    std::unique_ptr<uchar[]> buffer(new uchar[size_t(bytes.size())]);
    memcpy(buffer.get(), bytes.constData(), size_t(bytes.size()));
    return buffer;
}

JpegBuilder::JpegBuilder(bool littleEndian)
    : m_littleEndian(littleEndian)
{
}

void JpegBuilder::add(Ifd ifd, quint16 tag, quint16 format, quint32 count, const QByteArray &value)
{
    m_entries[ifd].append({tag, format, count, value, false, 0});
}

void JpegBuilder::addRaw(Ifd ifd, quint16 tag, quint16 format, quint32 count, quint32 valueField)
{
    m_entries[ifd].append({tag, format, count, QByteArray(), true, valueField});
}

QByteArray JpegBuilder::ascii(const QByteArray &text, bool withNul) const
{
    return withNul ? text + QByteArray(1, '\0') : text;
}

QByteArray JpegBuilder::u16(quint16 value) const
{
    QByteArray out(2, '\0');
    out[m_littleEndian ? 0 : 1] = char(value & 0xFF);
    out[m_littleEndian ? 1 : 0] = char(value >> 8);
    return out;
}

QByteArray JpegBuilder::u32(quint32 value) const
{
    const QByteArray low = u16(quint16(value & 0xFFFF)), high = u16(quint16(value >> 16));
    return m_littleEndian ? low + high : high + low;
}

QByteArray JpegBuilder::shorts(const QList<quint16> &values) const
{
    QByteArray out;
    for (quint16 v : values)
        out += u16(v);
    return out;
}

QByteArray JpegBuilder::longs(const QList<quint32> &values) const
{
    QByteArray out;
    for (quint32 v : values)
        out += u32(v);
    return out;
}

QByteArray JpegBuilder::rationals(const QList<QPair<quint32, quint32>> &values) const
{
    QByteArray out;
    for (const auto &v : values)
        out += u32(v.first) + u32(v.second);
    return out;
}

int JpegBuilder::ifdSize(const QList<Entry> &entries)
{
    int size = 2 + 12 * entries.size() + 4;
    for (const Entry &e : entries)
        if (!e.raw && e.value.size() > 4)
            size += e.value.size() + (e.value.size() & 1);
    return size;
}

// The IFD at `position` (a TIFF offset), its out-of-line values after it.
QByteArray JpegBuilder::ifdBytes(const QList<Entry> &entries, quint32 position) const
{
    QByteArray head = u16(quint16(entries.size()));
    QByteArray data;
    quint32 dataPos = position + 2 + 12 * entries.size() + 4;
    for (const Entry &e : entries) {
        head += u16(e.tag) + u16(e.format) + u32(e.count);
        if (e.raw) {
            head += u32(e.valueField);
        } else if (e.value.size() > 4) {
            head += u32(dataPos + data.size());
            data += e.value;
            if (e.value.size() & 1)
                data += '\0';
        } else {
            head += e.value + QByteArray(4 - e.value.size(), '\0');
        }
    }
    return head + u32(0) + data;
}

QByteArray JpegBuilder::tiff() const
{
    QList<Entry> ifd0 = m_entries[Ifd0];
    // Pointer entries first get placeholders so that IFD0's size is known.
    const bool hasExif = !m_entries[ExifIfd].isEmpty(), hasGps = !m_entries[GpsIfd].isEmpty();
    if (hasExif)
        ifd0.append({34665, 4, 1, QByteArray(), true, 0});
    if (hasGps)
        ifd0.append({34853, 4, 1, QByteArray(), true, 0});
    const quint32 exifPos = 8 + ifdSize(ifd0);
    const quint32 gpsPos = exifPos + (hasExif ? ifdSize(m_entries[ExifIfd]) : 0);
    for (Entry &e : ifd0) {
        if (e.raw && e.tag == 34665 && e.valueField == 0)
            e.valueField = exifPos;
        if (e.raw && e.tag == 34853 && e.valueField == 0)
            e.valueField = gpsPos;
    }
    QByteArray out = QByteArray(m_littleEndian ? "II" : "MM") + u16(42) + u32(8);
    out += ifdBytes(ifd0, 8);
    if (hasExif)
        out += ifdBytes(m_entries[ExifIfd], exifPos);
    if (hasGps)
        out += ifdBytes(m_entries[GpsIfd], gpsPos);
    return out;
}

QByteArray JpegBuilder::exifPayload() const
{
    return QByteArray("Exif\0\0", 6) + tiff();
}

QByteArray JpegBuilder::jpeg(const QByteArray &payload, const QByteArray &segmentsBefore, int imageBytes)
{
    const int length = payload.size() + 2;
    QByteArray out("\xFF\xD8", 2);
    out += segmentsBefore;
    out += QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + payload;
    out += QByteArray("\xFF\xDA\x00\x08", 4) + QByteArray(imageBytes, '\x5A');
    out += QByteArray("\xFF\xD9", 2);
    return out;
}
