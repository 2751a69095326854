#include "linekeepitemdelegate.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace VxLineKepp {

ItemDelegate::ItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

int ItemDelegate::currentRow() const
{
    return m_currentRow;
}

void ItemDelegate::setCurrentRow(int row)
{
    m_currentRow = row;
}

void ItemDelegate::appendPixmap(const QPixmap &pixmap)
{
    m_pixmaps.append(pixmap);
}

void ItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect rect = option.rect;
    const LineKeepTypeEntry entry = index.data(Qt::DisplayRole).value<LineKeepTypeEntry>();
    painter->save();
    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);
    painter->setPen(QColor(QStringLiteral("#333333")));
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    if (index.row() == m_currentRow)
        painter->fillRect(rect, QColor(QStringLiteral("#F1F6FF")));
    else if (option.state & QStyle::State_MouseOver)
        painter->fillRect(rect, QColor(QStringLiteral("#F2F2F2")));

    const QPixmap pixmap = m_pixmaps.value(index.row());
    const QSize size = pixmap.isNull() ? QSize() : pixmap.size() / pixmap.devicePixelRatio();
    if (!pixmap.isNull()) {
        const QRect place(rect.x() + 15, rect.y() + (rect.height() - size.height()) / 2, size.width(),
                          size.height());
        QPainterPath circle;
        circle.addEllipse(QRectF(place));
        painter->save();
        painter->setClipPath(circle);
        painter->drawPixmap(place, pixmap);
        painter->restore();
    }
    const QRect textRect(rect.x() + size.width() + 26, rect.y(), rect.width() - 35 - size.width(), rect.height());
    QApplication::style()->drawItemText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, option.palette, true,
                                        QObject::tr(entry.name.toUtf8().constData()), QPalette::NoRole);

    painter->setPen(QColor(240, 240, 240));
    painter->drawLine(rect.x(), rect.bottom(), rect.x() + rect.width(), rect.bottom());
    painter->restore();
}

QSize ItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(option.rect.width(), RowHeight);
}

} // namespace VxLineKepp
