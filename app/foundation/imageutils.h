#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class QImageReader;

// Pictures are decoded straight to the size they are shown at, so a large
// photo is never decoded whole.

// Sets the reader's scaled size (and a centred clip when one side overflows)
// so the image keeps its aspect ratio within minimum..maximum. A reader that
// cannot tell the image's size is left alone.
void fitImageReaderSize(QImageReader &reader, const QSize &minimum, const QSize &maximum);
// The one decode routine of the program's pictures, safe on any thread: the
// file read straight to a size within minimum..maximum (fitImageReaderSize),
// upright (its EXIF orientation applied). The format comes from the content,
// except for a RAW camera suffix in formatHint ("cr2", "nef", ...), whose
// format is the hint. quality (0..100, -1 the reader's default) lets a JPEG
// decode faster at small sizes. A null image for an empty path, anything
// but a regular file (a pipe would block the read), an unreadable or
// damaged file, a JPEG cut short, and a picture of more than 100 megapixels
// in a format other than JPEG (the one that decodes scaled).
QImage loadScaledImage(const QString &path, const QSize &minimum, const QSize &maximum,
                       const QString &formatHint = QString(), int quality = -1);
// loadScaledImage into a box of that size, as a pixmap (GUI thread); null
// where that is null.
QPixmap loadScaledPixmap(const QString &path, const QSize &size);
QPixmap loadScaledPixmap(const QString &path, int width, int height);
QPixmap scalePixmap(const QPixmap &pixmap, int width, int height);
