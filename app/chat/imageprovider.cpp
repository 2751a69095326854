#include "imageprovider.h"

#include "chatdatafolders.h"
#include "formatutils.h"
#include "imageutils.h"
#include "vlog.h"

#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

const char *const ImageProvider::PlaceholderPath = ":/Images/media/max_photo.png";

namespace
{
    const QSize kMinimum(ImageProvider::MinimumSide, ImageProvider::MinimumSide);
    const QSize kMaximum(ImageProvider::MaximumSide, ImageProvider::MaximumSide);

    QImage placeholder()
    {
        QImageReader reader(QString::fromLatin1(ImageProvider::PlaceholderPath));
        fitImageReaderSize(reader, kMinimum, kMaximum);
        return reader.read();
    }

    // Null for anything that must not or cannot be shown.
    QImage picture(const QString &requested)
    {
        // The file is read under the very path that was checked, so a link
        // made after the check cannot lead the read elsewhere.
        const QString path = QFileInfo(requested).canonicalFilePath();
        if (path.isEmpty() || !ChatDataFolders::contains(path)) {
            vlogError(QStringLiteral("[ImageProvider] warning: %1 lies outside the scan's folders").arg(requested));
            return QImage();
        }
        // A pipe or device would block the read.
        if (!QFileInfo(path).isFile())
            return QImage();
        // Told by the header alone: a huge picture is never decoded.
        const QSize declared = QImageReader(path).size();
        if (declared.isValid() && qint64(declared.width()) * declared.height() > ImageProvider::LargestPixels)
            return QImage();
        return loadScaledImage(path, kMinimum, kMaximum);
    }
}

ImageProvider::ImageProvider()
    : QQuickImageProvider(QQmlImageProviderBase::Image, QQmlImageProviderBase::ForceAsynchronousImageLoading)
{
}

QString ImageProvider::idOf(const QString &path)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}

QImage ImageProvider::requestImage(const QString &id, QSize *size, const QSize &)
{
    QImage image;
    if (!id.isEmpty())
        image = picture(percentDecode(id));
    if (image.isNull())
        image = placeholder();
    if (size)
        *size = image.size();
    return image;
}

QPixmap ImageProvider::requestPixmap(const QString &id, QSize *size, const QSize &requestedSize)
{
    return QPixmap::fromImage(requestImage(id, size, requestedSize));
}
