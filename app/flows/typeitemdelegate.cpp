#include "typeitemdelegate.h"

#include "devicedata.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace
{
    QPixmap checkPicture(const QString &path)
    {
        return QPixmap(path).scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
}

TypeItemDelegate::TypeItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_checkedPixmap(checkPicture(QStringLiteral(":/Images/check.png")))
    , m_uncheckedPixmap(checkPicture(QStringLiteral(":/Images/check_no.png")))
{
}

void TypeItemDelegate::setDisplayMode(int mode)
{
    m_displayMode = mode;
}

int TypeItemDelegate::displayMode() const
{
    return m_displayMode;
}

void TypeItemDelegate::setItemSize(const QSize &size)
{
    m_itemSize = size;
}

QSize TypeItemDelegate::itemSize() const
{
    return m_itemSize;
}

QSize TypeItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return m_itemSize;
}

void TypeItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (m_displayMode != 3) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const Vx::DataItemInfo info = index.data(Qt::DisplayRole).value<Vx::DataItemInfo>();
    const QRect &r = option.rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);

    QRect icon(r.x() + r.width() / 2 - 27, r.y() + 5, 54, 54);
    QPoint mark(icon.x() + icon.width() - 15, r.y());
    if (option.state & QStyle::State_MouseOver) {
        icon.translate(3, 3);
        mark += QPoint(3, 3);
    }
    if (index.row() >= 0 && index.row() < icons.size())
        painter->drawPixmap(icon, icons.at(index.row()));
    painter->drawPixmap(mark, info.checkState == Qt::Checked ? m_checkedPixmap : m_uncheckedPixmap);

    painter->setPen(QColor(0x33, 0x33, 0x33));
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    style->drawItemText(painter, r.adjusted(0, 30, 0, 0), Qt::AlignCenter, option.palette, true,
                        QObject::tr(info.name.toUtf8().constData()));
    painter->restore();
}

void TypeItemDelegate::clickItem(QAbstractItemModel *model, const QModelIndex &index)
{
    if (!model || !index.isValid())
        return;
    Vx::DataItemInfo info = index.data(Qt::DisplayRole).value<Vx::DataItemInfo>();
    if (info.flagB) {
        info.checkState = info.checkState != Qt::Unchecked ? Qt::Unchecked : Qt::Checked;
        model->setData(index, QVariant::fromValue(info), Qt::DisplayRole);
        emit checkStateChanged(index.row(), info.checkState);
    }
    emit clicked(info.category);
}

bool TypeItemDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && option.rect.contains(mouse->pos())) {
            clickItem(model, index);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
