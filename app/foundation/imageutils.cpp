#include "imageutils.h"

#include "formatutils.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QStringList>

#include <algorithm>

namespace
{
    // Sides are truncated toward zero, but never below one pixel: a reader
    // given a zero side reads no picture.
    int side(double value)
    {
        return std::max(1, static_cast<int>(value));
    }

    bool isRawSuffix(const QString &formatHint)
    {
        static const QStringList raw{QStringLiteral("crw"), QStringLiteral("cr2"), QStringLiteral("arw"),
                                     QStringLiteral("nef"), QStringLiteral("raf"), QStringLiteral("dng"),
                                     QStringLiteral("raw")};
        return endsWithAny(formatHint, raw, Qt::CaseInsensitive);
    }

    // Above this a picture is only decoded by a reader that scales while it
    // decodes; any other would need the whole picture in memory first.
    constexpr qint64 LargestWholePicture = 100000000;

    bool isJpeg(const QImageReader &reader)
    {
        const QByteArray format = reader.format();
        return format == "jpeg" || format == "jpg";
    }

    // Whether the JPEG's picture data ends with its end marker. The decoder
    // turns a file cut short into a picture whose rest is grey; FF D9 cannot
    // occur inside the coded data, so finding it after the first scan tells
    // a whole file from a cut one.
    bool jpegIsWhole(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.read(2) != QByteArray("\xFF\xD8", 2))
            return false;
        qint64 scan = -1;
        qint64 position = 2;
        while (scan < 0) {
            if (!file.seek(position))
                return false;
            const QByteArray head = file.read(4);
            if (head.size() < 2 || uchar(head.at(0)) != 0xFF)
                return false;
            const uchar marker = uchar(head.at(1));
            if (marker == 0xFF) { // fill byte
                ++position;
            } else if (marker == 0xDA) {
                scan = position;
            } else if (marker == 0xD9 || head.size() < 4) {
                return false;
            } else if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
                position += 2;
            } else {
                const int length = (uchar(head.at(2)) << 8) | uchar(head.at(3));
                if (length < 2)
                    return false;
                position += 2 + length;
            }
        }
        constexpr qint64 Chunk = 16384;
        const QByteArray endMarker("\xFF\xD9", 2);
        for (qint64 end = file.size(); end > scan;) {
            const qint64 start = std::max(scan, end - Chunk);
            // One byte past the chunk: a marker across two chunks is seen.
            if (!file.seek(start))
                return false;
            if (file.read(std::min(end + 1, file.size()) - start).lastIndexOf(endMarker) >= 0)
                return true;
            end = start;
        }
        return false;
    }
}

void fitImageReaderSize(QImageReader &reader, const QSize &minimum, const QSize &maximum)
{
    const QSize own = reader.size();
    const int w = own.width();
    const int h = own.height();
    if (w <= 0 || h <= 0)
        return;
    const int minW = minimum.width(), minH = minimum.height();
    const int maxW = maximum.width(), maxH = maximum.height();
    if (minW <= w && w <= maxW && minH <= h && h <= maxH)
        return;

    const double ratio = double(w) / double(h);
    if (h >= minH && h <= maxH) {
        const int width = w < minW ? minW : maxW;
        const int height = side(width / ratio);
        reader.setScaledSize(QSize(width, height));
        if (height > maxH)
            reader.setScaledClipRect(QRect(0, (height - maxH) / 2, width, maxH));
    } else if (h > maxH) {
        const int width = side(maxH * ratio);
        reader.setScaledSize(QSize(width, maxH));
        if (width > maxW)
            reader.setScaledClipRect(QRect((width - maxW) / 2, 0, maxW, maxH));
    } else if (w < minW) {
        const int height = side(minW / ratio);
        reader.setScaledSize(QSize(minW, height));
        if (height > maxH)
            reader.setScaledClipRect(QRect(0, (height - maxH) / 2, minW, maxH));
    } else {
        const int width = side(minH * ratio);
        reader.setScaledSize(QSize(width, minH));
        if (width > maxW)
            reader.setScaledClipRect(QRect((width - maxW) / 2, 0, maxW, minH));
    }
}

QImage loadScaledImage(const QString &path, const QSize &minimum, const QSize &maximum, const QString &formatHint,
                       int quality)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QImage();
    const bool raw = isRawSuffix(formatHint);
    QImageReader reader(path, raw ? formatHint.toLocal8Bit() : QByteArray());
    reader.setDecideFormatFromContent(!raw);
    reader.setAutoTransform(true);
    if (quality >= 0)
        reader.setQuality(quality);
    if (!reader.canRead())
        return QImage();
    const QSize declared = reader.size();
    const bool jpeg = isJpeg(reader);
    // Only the JPEG reader scales while it decodes.
    if (declared.isValid() && qint64(declared.width()) * declared.height() > LargestWholePicture && !jpeg)
        return QImage();
    if (jpeg && !jpegIsWhole(path))
        return QImage();
    fitImageReaderSize(reader, minimum, maximum);
    return reader.read();
}

QPixmap loadScaledPixmap(const QString &path, const QSize &size)
{
    QImage image = loadScaledImage(path, size, size);
    if (image.isNull())
        return QPixmap();
    return QPixmap::fromImage(std::move(image));
}

QPixmap loadScaledPixmap(const QString &path, int width, int height)
{
    return loadScaledPixmap(path, QSize(width, height));
}

QPixmap scalePixmap(const QPixmap &pixmap, int width, int height)
{
    return pixmap.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
