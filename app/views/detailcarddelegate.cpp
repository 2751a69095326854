#include "detailcarddelegate.h"

#include "devicedata.h"
#include "picturerequests.h"

#include "viewtext.h"

#include <QApplication>
#include <QPainter>
#include <QPolygon>
#include <QStandardItem>
#include <QTextDocument>

#include <algorithm>

namespace
{
    constexpr int TileWidth = 200;
    constexpr int TileHeight = 140;
    constexpr int MeasureWidth = 280;

    void drawCentred(QPainter *painter, const QRect &tile, const QPixmap &pixmap)
    {
        if (pixmap.isNull())
            return;
        const QSize size = pixmap.size() / pixmap.devicePixelRatio();
        painter->drawPixmap(tile.x() + (tile.width() - size.width()) / 2, tile.y() + (tile.height() - size.height()) / 2,
                            pixmap);
    }
}

DetailCardDelegate::DetailCardDelegate(int valueMargin, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_valueMargin(valueMargin)
    , m_pictures(new PictureRequests({QSize(96, 96), QSize(TileWidth, TileHeight), 30}, this))
    , m_play(QStringLiteral(":/Images/play.png"))
    , m_video(QStringLiteral(":/Images/media/video.png"))
    , m_photo(QStringLiteral(":/Images/media/photo.png"))
    , m_deleted(QStringLiteral(":/Images/del_red_max.png"))
{
    connect(m_pictures, &PictureRequests::arrived, this, &DetailCardDelegate::pictureArrived);
}

DetailCardDelegate::~DetailCardDelegate() = default;

QStandardItem *DetailCardDelegate::textRow(const QString &label, const QString &valueHtml, const QString &plain,
                                           bool deleted, const QFont &font, int rowWidth)
{
    const QString value = valueHtml.isEmpty() ? QStringLiteral("/") : valueHtml;
    QFont sized(font);
    sized.setPixelSize(FontPixelSize);
    QTextDocument document;
    ViewText::layOutValue(document, value, Qt::black, sized, MeasureWidth, Qt::AlignLeft | Qt::AlignTop);
    auto *item = new QStandardItem;
    item->setEditable(false);
    item->setData(QVariantList{label, value, deleted ? QStringLiteral("1") : QStringLiteral("0"), QVariant()},
                  Qt::DisplayRole);
    item->setData(QStringLiteral("%1%2").arg(label, plain.isEmpty() ? QStringLiteral("/") : plain),
                  Qt::AccessibleTextRole);
    item->setSizeHint(QSize(rowWidth, std::max(32, int(document.size().height() + 12))));
    return item;
}

QStandardItem *DetailCardDelegate::attachmentRow(const QString &label, const DeviceData::MediaInfo &attachment,
                                                 bool deleted, int rowWidth)
{
    auto *item = new QStandardItem;
    item->setEditable(false);
    item->setData(QVariantList{label, attachment.path.isEmpty() ? QStringLiteral("/") : attachment.path,
                               deleted ? QStringLiteral("1") : QStringLiteral("0"), QVariant::fromValue(attachment)},
                  Qt::DisplayRole);
    // The tile shows the name.
    item->setData(label + attachment.name, Qt::AccessibleTextRole);
    item->setSizeHint(QSize(rowWidth, AttachmentHeight));
    return item;
}

void DetailCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QVariantList items = index.data(Qt::DisplayRole).toList();
    const QSize hint = index.data(Qt::SizeHintRole).isValid() ? index.data(Qt::SizeHintRole).toSize() : QSize(510, 40);
    const bool deleted = items.value(2).toInt() != 0;
    const QVariant attachment = items.value(3);
    const QRect row = opt.rect;

    painter->save();
    QFont font = painter->font();
    font.setPixelSize(FontPixelSize);
    painter->setFont(font);
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QColor pen = deleted ? QColor(QStringLiteral("#e73e28")) : QColor(102, 102, 102);

    // Labels may be the device's own: drawn as plain text.
    QPalette palette = opt.palette;
    palette.setColor(QPalette::WindowText, pen);
    style->drawItemText(painter, QRect(row.x(), row.y(), LabelWidth, row.height()), Qt::AlignRight | Qt::AlignTop,
                        palette, true, items.value(0).toString(), QPalette::WindowText);

    if (attachment.userType() == qMetaTypeId<DeviceData::MediaInfo>()) {
        paintTile(painter, row, attachment.value<DeviceData::MediaInfo>());
    } else {
        if (!deleted)
            pen = QColor(QStringLiteral("#333333"));
        // Laid out and clipped at one width, so no line is cut off.
        const QRect valueRect(row.x() + ValueLeft, row.y(), row.width() - ValueLeft - m_valueMargin, hint.height());
        QTextDocument document;
        ViewText::layOutValue(document, items.value(1).toString(), pen, font, valueRect.width(),
                              Qt::AlignLeft | Qt::AlignVCenter);
        painter->save();
        painter->translate(valueRect.topLeft());
        painter->setClipRect(QRect(QPoint(0, 0), valueRect.size()));
        document.drawContents(painter);
        painter->restore();
    }

    opt.text.clear();
    opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    painter->restore();
}

void DetailCardDelegate::paintTile(QPainter *painter, const QRect &row, const DeviceData::MediaInfo &attachment) const
{
    const QRect tile(row.x() + ValueLeft, row.y(), TileWidth, TileHeight);
    painter->fillRect(tile, QColor(0, 0, 0, 20));
    QFont font = painter->font();
    font.setPixelSize(14);
    painter->setFont(font);

    QImage image;
    m_pictures->find(tilePicturePath(attachment), &image);
    if (attachment.mediaKind == DeviceData::VideoKind) {
        if (!image.isNull()) {
            painter->drawImage(tile, image);
            drawCentred(painter, tile, m_play);
        } else {
            drawCentred(painter, tile, m_video);
        }
    } else if (attachment.mediaKind == DeviceData::ImageKind) {
        if (!image.isNull())
            painter->drawImage(tile, image);
        else
            drawCentred(painter, tile, m_photo);
    } else if (!image.isNull()) {
        const QSize size = image.size();
        painter->drawImage(tile.x() + (tile.width() - size.width()) / 2, tile.y() + (tile.height() - size.height()) / 2,
                           image);
    }

    QRect strip(tile.x(), tile.y() + tile.height() - 30, tile.width(), 30);
    painter->fillRect(strip, QColor(0, 0, 0, 100));
    strip.adjust(4, 4, -4, -4);
    painter->setPen(Qt::white);
    const QFontMetrics metrics(font);
    const QString name = metrics.horizontalAdvance(attachment.name) <= strip.width()
                             ? attachment.name
                             : metrics.elidedText(attachment.name, Qt::ElideMiddle, strip.width());
    painter->drawText(strip, Qt::AlignCenter, name);

    if (attachment.deleted) {
        const int right = tile.right();
        const int bottom = tile.bottom();
        painter->save();
        painter->setPen(QColor(180, 180, 180, 200));
        painter->setBrush(QColor(210, 210, 210, 120));
        painter->drawPolygon(QPolygon({QPoint(right - 40, bottom), QPoint(right, bottom - 40), QPoint(right, bottom)}),
                             Qt::OddEvenFill);
        painter->drawPixmap(QRect(tile.x() + tile.width() - 21, tile.y() + tile.height() - 18, 16, 16), m_deleted);
        painter->restore();
    }
}
