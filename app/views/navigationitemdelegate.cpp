#include "navigationitemdelegate.h"

#include "devicedata.h"
#include "viewstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>

NavigationItemDelegate::NavigationItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_checkBox(new QCheckBox)
{
    m_checkBox->setStyleSheet(ViewStyle::checkPictureSheet());
}

NavigationItemDelegate::~NavigationItemDelegate() = default;

int NavigationItemDelegate::currentRow() const
{
    return m_currentRow;
}

void NavigationItemDelegate::setCurrentRow(int row)
{
    m_currentRow = row;
}

QRect NavigationItemDelegate::checkBoxRect(const QRect &rowRect)
{
    return QRect(rowRect.x() + 15, rowRect.y() + (rowRect.height() - BoxSize) / 2, BoxSize, BoxSize);
}

void NavigationItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    if (!index.isValid())
        return;
    const Vx::DataItemInfo info = index.data(Qt::DisplayRole).value<Vx::DataItemInfo>();
    const QString name = tr(info.name.toUtf8().constData());
    const QRect rect = option.rect;
    QStyle *style = option.widget ? option.widget->style() : QApplication::style();

    painter->save();
    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);

    if (info.isHeading) {
        painter->setPen(QColor(QStringLiteral("#666666")));
        const QRect textRect(rect.x() + 10, rect.y() + (rect.height() - 24) / 2, rect.width() - 30, 24);
        style->drawItemText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, option.palette, info.flagA, name,
                            QPalette::NoRole);
        painter->restore();
        return;
    }

    if (info.flagA) {
        if (index.row() == m_currentRow)
            painter->fillRect(rect, QColor(QStringLiteral("#F1F6FF")));
        else if (option.state & QStyle::State_MouseOver)
            painter->fillRect(rect, QColor(QStringLiteral("#F2F2F2")));
    }

    QStyleOptionButton box;
    box.rect = checkBoxRect(rect);
    box.state = info.checkState == 2 ? QStyle::State_On
                : info.checkState == 0 ? QStyle::State_Off
                                       : QStyle::State_NoChange;
    if (info.flagA && info.flagB)
        box.state |= QStyle::State_Enabled;
    // The box's own style draws the check pictures.
    m_checkBox->style()->drawControl(QStyle::CE_CheckBox, &box, painter, m_checkBox.data());

    const QPixmap icon = (info.flagA ? activeIcons : inactiveIcons).value(index.row());
    if (!icon.isNull()) {
        const QSize size = icon.size() / icon.devicePixelRatio();
        painter->drawPixmap(rect.x() + 40 + (32 - size.width()) / 2, rect.y() + (rect.height() - size.height()) / 2,
                            icon);
    }

    painter->setPen(QColor(info.flagA ? QStringLiteral("#333333") : QStringLiteral("#999999")));
    const QRect textRect(rect.x() + 75, rect.y() + 4, rect.width() - (rect.x() + 75), 30);
    style->drawItemText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, option.palette, info.flagA,
                        name + QStringLiteral("(%1)").arg(info.value), QPalette::NoRole);
    painter->restore();
}

QSize NavigationItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (!index.isValid())
        return size;
    const Vx::DataItemInfo info = index.data(Qt::DisplayRole).value<Vx::DataItemInfo>();
    size.setHeight(info.isHeading ? 24 : 40);
    return size;
}

bool NavigationItemDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                         const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && checkBoxRect(option.rect).contains(mouse->pos())) {
            emit checkBoxClicked(index);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
