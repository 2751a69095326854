#include "imageutils.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace
{
    // Sides are truncated toward zero, but never below one pixel: a reader
    // given a zero side reads no picture.
    int side(double value)
    {
        return std::max(1, static_cast<int>(value));
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

QPixmap loadScaledPixmap(const QString &path, const QSize &size)
{
    if (path.isEmpty())
        return QPixmap();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    reader.setDecideFormatFromContent(true);
    fitImageReaderSize(reader, size, size);
    QImage image = reader.read();
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
