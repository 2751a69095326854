#pragma once

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QtEndian>

// Picture files built in code for the tests of the decoding and the grids:
// good ones of a known look, and the damaged kinds a backup holds.
namespace PictureFiles {

// The CRC-32 of PNG chunks.
inline quint32 crc32Of(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An image whose top half is top and bottom half bottom.
inline QImage twoTone(const QSize &size, const QColor &top, const QColor &bottom)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(bottom);
    for (int y = 0; y < size.height() / 2; ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, top);
    return image;
}

// A JPEG of image; transformation is written as its EXIF orientation.
inline QString writeJpeg(const QString &path, const QImage &image,
                         QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone,
                         int quality = 90)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setTransformation(transformation);
    return writer.write(image) ? path : QString();
}

// A JPEG that shows top upright while its pixels are stored turned a
// quarter to the left, with the orientation that turns them back.
inline QString writeTurnedJpeg(const QString &path, const QSize &shown, const QColor &top, const QColor &bottom)
{
    const QImage upright = twoTone(shown, top, bottom);
    return writeJpeg(path, upright.transformed(QTransform().rotate(-90)), QImageIOHandler::TransformationRotate90);
}

// A JPEG whose middle third is overwritten with bytes that are no JPEG data.
inline QString writeCorruptJpeg(const QString &path, const QSize &size = QSize(400, 300))
{
    QByteArray bytes = readBytes(writeJpeg(path, twoTone(size, Qt::red, Qt::blue)));
    for (int i = bytes.size() / 3; i < bytes.size() * 2 / 3; ++i)
        bytes[i] = char(i * 37);
    return writeBytes(path, bytes) ? path : QString();
}

// A JPEG cut in half.
inline QString writeTruncatedJpeg(const QString &path, const QSize &size = QSize(400, 300))
{
    const QByteArray bytes = readBytes(writeJpeg(path, twoTone(size, Qt::red, Qt::blue)));
    return writeBytes(path, bytes.left(bytes.size() / 2)) ? path : QString();
}

// Bytes that are no picture, under whatever name (a ".CR2" that is not RAW).
inline QString writeNoPicture(const QString &path)
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i * 131 + 7) % 251));
    return writeBytes(path, bytes) ? path : QString();
}

// A PNG that declares width x height and holds one tiny row of data: its
// size alone would need gigabytes.
inline QString writePngHeader(const QString &path, quint32 width, quint32 height)
{
    auto chunk = [](const char *type, const QByteArray &data) {
        QByteArray body = QByteArray(type, 4) + data;
        QByteArray out(4, '\0');
        qToBigEndian<quint32>(quint32(data.size()), out.data());
        out += body;
        QByteArray crc(4, '\0');
        qToBigEndian<quint32>(crc32Of(body), crc.data());
        return out + crc;
    };
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 2; // truecolour
    const QByteArray idat = QByteArray::fromHex("789c636000000001000100"); // a few zero bytes
    const QByteArray bytes = QByteArray::fromHex("89504e470d0a1a0a") + chunk("IHDR", header) + chunk("IDAT", idat)
                             + chunk("IEND", QByteArray());
    return writeBytes(path, bytes) ? path : QString();
}

} // namespace PictureFiles
