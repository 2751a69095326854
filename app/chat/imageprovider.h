#pragma once

#include <QQuickImageProvider>

// The pictures of the LINE and WhatsApp panes, asked for as
// "image://<provider name>/" followed by a file's path (percent escapes
// decoded). Each comes back at thumbnail size, between 96 x 96 and
// 120 x 120, its aspect kept and the overflow cut from the centre.
//
// Only files inside the scan's folders (ChatDataFolders) are read; anything
// else, an empty id, and a file that is unreadable, damaged, cut short or
// announces more than 50 megapixels get the placeholder picture. Decoding
// runs on Qt Quick's image threads, never on the GUI thread.
class ImageProvider : public QQuickImageProvider
{
public:
    static constexpr int MinimumSide = 96;
    static constexpr int MaximumSide = 120;
    static constexpr qint64 LargestPixels = 50000000;
    static const char *const PlaceholderPath;

    ImageProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The provider's id of a file (the part after "image://<name>/").
    static QString idOf(const QString &path);
};
