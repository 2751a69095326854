#pragma once

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
// A null pixmap for an empty path or an unreadable file.
QPixmap loadScaledPixmap(const QString &path, const QSize &size);
QPixmap loadScaledPixmap(const QString &path, int width, int height);
QPixmap scalePixmap(const QPixmap &pixmap, int width, int height);
