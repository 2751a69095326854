#include "mediaitemdelegate.h"

#include "devicedata.h"
#include "medialistmodel.h"
#include "mediaproxymodel.h"
#include "recordaccess.h"

#include <QPainter>
#include <QPolygon>

using DeviceData::MediaInfo;

namespace
{
    QPixmap scaledImage(const QString &path, int side)
    {
        return QPixmap(path).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void drawCentred(QPainter *painter, const QRect &tile, const QPixmap &pixmap)
    {
        if (pixmap.isNull())
            return;
        const QSize size = pixmap.size() / pixmap.devicePixelRatio();
        painter->drawPixmap(tile.x() + (tile.width() - size.width()) / 2, tile.y() + (tile.height() - size.height()) / 2,
                            pixmap);
    }
}

MediaItemDelegate::MediaItemDelegate(int typeId, MediaProxyModel *proxy, QObject *parent)
    : MediaItemDelegate(typeId, proxy, QPixmap(QStringLiteral(":/Images/play.png")), parent)
{
}

MediaItemDelegate::MediaItemDelegate(int typeId, MediaProxyModel *proxy, const QPixmap &playMark, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_typeId(typeId)
    , m_proxy(proxy)
    , m_checkMark(scaledImage(QStringLiteral(":/Images/check_max.png"), 24))
    , m_deletedMark(scaledImage(QStringLiteral(":/Images/del_red_max.png"), 16))
    , m_playMark(playMark)
    , m_videoPlaceholder(QStringLiteral(":/Images/media/video.png"))
    , m_photoPlaceholder(QStringLiteral(":/Images/media/photo.png"))
{
}

int MediaItemDelegate::typeId() const
{
    return m_typeId;
}

QSize MediaItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(TileSide, TileSide);
}

void MediaItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!index.isValid())
        return;
    const QModelIndex source = m_proxy && index.model() == m_proxy ? m_proxy->mapToSource(index) : index;
    if (source.row() < 0 || source.column() == 1)
        return;
    const QRect tile = option.rect;

    QFont font = painter->font();
    font.setPixelSize(14);
    painter->setFont(font);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);

    const QVariant record = source.data(Qt::DisplayRole);
    const MediaInfo &media = MediaListModel::mediaOf(record);
    const QPixmap thumbnail = source.data(Qt::DecorationRole).value<QPixmap>();

    if (media.mediaKind == DeviceData::VideoKind) {
        if (!thumbnail.isNull()) {
            drawCentred(painter, tile, thumbnail);
            drawCentred(painter, tile, m_playMark);
        } else {
            drawCentred(painter, tile, m_videoPlaceholder);
        }
    } else if (media.mediaKind == DeviceData::ImageKind && thumbnail.isNull()) {
        drawCentred(painter, tile, m_photoPlaceholder);
    } else {
        drawCentred(painter, tile, thumbnail);
    }

    {
        painter->save();
        QRect band(tile.x(), tile.y() + tile.height() - 30, tile.width(), 30);
        painter->fillRect(band, QColor(0, 0, 0, 100));
        band.adjust(4, 4, -4, -4);
        painter->setPen(Qt::white);
        const QFontMetrics metrics(painter->font());
        const QString name = metrics.horizontalAdvance(media.name) <= band.width()
                                 ? media.name
                                 : metrics.elidedText(media.name, Qt::ElideMiddle, band.width());
        painter->drawText(band, Qt::AlignCenter, name);
        painter->restore();
    }

    if (media.deleted) {
        painter->save();
        painter->setPen(QColor(180, 180, 180, 200));
        painter->setBrush(QColor(210, 210, 210, 120));
        const int right = tile.x() + tile.width();
        const int bottom = tile.y() + tile.height();
        const QPolygon corner({QPoint(right - 41, bottom - 1), QPoint(right - 1, bottom - 41), QPoint(right - 1, bottom - 1)});
        painter->drawPolygon(corner, Qt::OddEvenFill);
        painter->drawPixmap(QRect(right - 21, bottom - 18, 16, 16), m_deletedMark);
        painter->restore();
    }

    if (DeviceData::checkState(record) == 2) {
        painter->save();
        painter->drawPixmap(tile.x() + tile.width() - 2 - m_checkMark.width(), tile.y() + 2, m_checkMark);
        painter->restore();
    }

    {
        painter->save();
        const bool hovered = option.state & QStyle::State_MouseOver;
        const double width = hovered ? 2.0 : 1.0;
        QPen pen(hovered ? QColor(QStringLiteral("#558AF8")) : QColor(242, 242, 242, 255));
        pen.setWidthF(width);
        pen.setStyle(Qt::SolidLine);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::BevelJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(int(tile.x() + width - 1), int(tile.y() + width - 1), int(tile.width() - width),
                          int(tile.height() - width));
        painter->restore();
    }
}
