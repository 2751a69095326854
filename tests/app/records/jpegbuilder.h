#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

#include <memory>

// A heap copy of exactly bytes.size() bytes, so that AddressSanitizer sees
// the first byte past the end.
std::unique_ptr<uchar[]> exactCopy(const QByteArray &bytes);

// Builds JPEG bytes with an EXIF block: IFD0, an optional Exif IFD and an
// optional GPS IFD, laid out as a camera would. Values are given already
// encoded (use the helpers, which follow the builder's byte order).
class JpegBuilder
{
public:
    enum Ifd
    {
        Ifd0,
        ExifIfd,
        GpsIfd
    };

    explicit JpegBuilder(bool littleEndian = true);

    // An entry whose value the builder places (inline or after the IFD).
    void add(Ifd ifd, quint16 tag, quint16 format, quint32 count, const QByteArray &value);
    // An entry written as given, with `valueField` as its last four bytes.
    void addRaw(Ifd ifd, quint16 tag, quint16 format, quint32 count, quint32 valueField);

    QByteArray ascii(const QByteArray &text, bool withNul = true) const;
    QByteArray shorts(const QList<quint16> &values) const;
    QByteArray longs(const QList<quint32> &values) const;
    QByteArray rationals(const QList<QPair<quint32, quint32>> &values) const;
    QByteArray u16(quint16 value) const;
    QByteArray u32(quint32 value) const;

    QByteArray tiff() const;
    QByteArray exifPayload() const; // "Exif\0\0" and the TIFF block
    // SOI, the given segments, APP1 with the payload, image data, EOI.
    static QByteArray jpeg(const QByteArray &payload, const QByteArray &segmentsBefore = {},
                           int imageBytes = 64);
    QByteArray jpeg() const { return jpeg(exifPayload()); }

    // Where the TIFF block starts in jpeg() output.
    static constexpr int TiffOffsetInJpeg = 2 + 4 + 6;

private:
    struct Entry
    {
        quint16 tag;
        quint16 format;
        quint32 count;
        QByteArray value;
        bool raw;
        quint32 valueField;
    };
    QByteArray ifdBytes(const QList<Entry> &entries, quint32 position) const;
    static int ifdSize(const QList<Entry> &entries);

    bool m_littleEndian;
    QList<Entry> m_entries[3];
};
