// The photo grid's thumbnails and scrolling, run by bench/media-view.sh:
//   quenrow-media-bench make DIR COUNT   writes COUNT 4032 x 3024 JPEGs
//   quenrow-media-bench loader DIR       the loader against direct decodes
//   quenrow-media-bench scroll DIR TILES a grid scrolled top to bottom
// Each mode prints key=value lines for the script to put together.
#include "csortfilterproxymodel.h"
#include "devicedata.h"
#include "imageutils.h"
#include "medialistmodel.h"
#include "mediatableview.h"
#include "thumbnailloader.h"
#include "widgetkit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QListView>
#include <QScrollBar>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace
{
    const QSize PhotoSize(4032, 3024);
    constexpr int DistinctPhotos = 8;

    QStringList photos(const QString &folder)
    {
        QStringList paths;
        for (const QString &name : QDir(folder).entryList({QStringLiteral("IMG_*.JPG")}, QDir::Files, QDir::Name))
            paths << QDir(folder).filePath(name);
        return paths;
    }

    // A camera-like picture: smooth light with fine grain, so it compresses
    // and decodes as photos do.
    QImage photo(int seed)
    {
        QImage image(PhotoSize, QImage::Format_RGB32);
        quint32 noise = 2463534242u + quint32(seed) * 7919u;
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                noise ^= noise << 13;
                noise ^= noise >> 17;
                noise ^= noise << 5;
                const int grain = int(noise & 31) - 16;
                const int r = std::clamp((x * 255) / image.width() + grain, 0, 255);
                const int g = std::clamp((y * 255) / image.height() + grain + seed * 20, 0, 255);
                const int b = std::clamp(((x + y) * 128) / image.width() + grain, 0, 255);
                line[x] = qRgb(r, g, b);
            }
        }
        return image;
    }

    int make(const QString &folder, int count)
    {
        QDir().mkpath(folder);
        QStringList sources;
        for (int i = 0; i < DistinctPhotos; ++i) {
            const QString path = QDir(folder).filePath(QStringLiteral("source%1.jpg").arg(i));
            QImageWriter writer(path, "jpeg");
            writer.setQuality(85);
            if (!writer.write(photo(i)))
                return 1;
            sources << path;
        }
        // Each name its own file for the loader; the same bytes on disk.
        for (int i = 0; i < count; ++i) {
            const QString path = QDir(folder).filePath(QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0')));
            if (::link(QFile::encodeName(sources.at(i % DistinctPhotos)).constData(), QFile::encodeName(path).constData())
                != 0)
                return 1;
        }
        std::printf("made=%d\n", count);
        return 0;
    }

    int loader(QApplication &app, const QString &folder)
    {
        const QStringList paths = photos(folder);
        const ThumbnailLoader::Spec tile = ThumbnailLoader::mediaTile();
        // The names share a few files: read those once, so both runs find
        // them in memory.
        for (const QString &path : paths.mid(0, DistinctPhotos))
            loadScaledImage(path, tile.minimum, tile.maximum, QStringLiteral("JPG"), tile.quality);

        QElapsedTimer timer;
        timer.start();
        int directOk = 0;
        for (const QString &path : paths)
            directOk += loadScaledImage(path, tile.minimum, tile.maximum, QStringLiteral("JPG"), tile.quality).isNull() ? 0 : 1;
        const double direct = timer.nsecsElapsed() / 1e9;

        ThumbnailLoader *thumbnails = ThumbnailLoader::instance();
        QObject asker;
        int delivered = 0;
        int loadedOk = 0;
        timer.restart();
        for (const QString &path : paths) {
            thumbnails->request(path, QStringLiteral("JPG"), tile, &asker, [&](const QImage &image) {
                ++delivered;
                loadedOk += image.isNull() ? 0 : 1;
                if (delivered == paths.size())
                    app.quit();
            });
        }
        app.exec();
        const double loaded = timer.nsecsElapsed() / 1e9;
        std::printf("photos=%d\nloader=%.3f\ndirect=%.3f\nthreads=%d\nfailed=%d\n", int(paths.size()), loaded, direct,
                    thumbnails->threadCount(), int(paths.size()) * 2 - directOk - loadedOk);
        return 0;
    }

    qint64 residentKib()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
        return 0;
    }

    int scroll(QApplication &app, const QString &folder, int tiles)
    {
        const QStringList paths = photos(folder);
        if (paths.isEmpty())
            return 1;
        QList<QVariant> records;
        records.reserve(tiles);
        for (int i = 0; i < tiles; ++i) {
            DeviceData::MediaInfo media;
            media.name = QFileInfo(paths.at(i % paths.size())).fileName();
            media.suffix = QStringLiteral("JPG");
            media.path = paths.at(i % paths.size());
            media.time = 1600000000 + i;
            media.mediaKind = DeviceData::ImageKind;
            media.finished = true;
            records << QVariant::fromValue(media);
        }
        const qint64 before = residentKib();

        auto *view = new MediaTableView(0, DeviceData::Photos);
        view->resize(1000, 700);
        view->show();
        app.processEvents();

        QElapsedTimer beat;
        qint64 longest = 0;
        QTimer heartbeat;
        heartbeat.setInterval(5);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            longest = std::max(longest, beat.restart());
        });
        beat.start();
        heartbeat.start();

        view->setDataList(records);
        QScrollBar *bar = view->listView()->verticalScrollBar();
        const int step = view->listView()->viewport()->height() / 2;
        QTimer scroller;
        scroller.setInterval(16);
        int quiet = 0;
        QObject::connect(&scroller, &QTimer::timeout, [&] {
            const bool atEnd = bar->value() >= bar->maximum()
                               && !view->mediaModel()->canFetchMore(QModelIndex());
            if (!atEnd) {
                bar->setValue(bar->value() + step);
                return;
            }
            // At the end: until the last window's thumbnails are in.
            if (ThumbnailLoader::instance()->pendingCount() == 0 && ++quiet > 30)
                app.quit();
        });
        scroller.start();
        app.exec();
        heartbeat.stop();
        const qint64 after = residentKib();
        std::printf("tiles=%d\nshown=%d\nstall=%lld\ngrowth=%.1f\n", tiles, view->proxyModel()->rowCount(), longest,
                    (after - before) / 1024.0);
        delete view;
        return 0;
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    initWidgetKit();
    DeviceData::registerMetaTypes();
    const QStringList arguments = app.arguments();
    const QString mode = arguments.value(1);
    const QString folder = arguments.value(2);
    if (mode == QLatin1String("make"))
        return make(folder, arguments.value(3).toInt());
    if (mode == QLatin1String("loader"))
        return loader(app, folder);
    if (mode == QLatin1String("scroll"))
        return scroll(app, folder, arguments.value(3).toInt());
    std::fprintf(stderr, "usage: quenrow-media-bench make|loader|scroll DIR [COUNT]\n");
    return 2;
}
