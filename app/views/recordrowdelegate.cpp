#include "recordrowdelegate.h"

#include "recordlistproxymodel.h"

#include <QMouseEvent>
#include <QPainter>

RecordRowDelegate::RecordRowDelegate(RecordListProxyModel *proxy)
    : QStyledItemDelegate(proxy)
    , m_proxy(proxy)
    , m_checked(QStringLiteral(":/Images/check.png"))
    , m_unchecked(QStringLiteral(":/Images/check_no.png"))
{
}

RecordListProxyModel *RecordRowDelegate::proxy() const
{
    return m_proxy;
}

int RecordRowDelegate::currentRow() const
{
    return m_currentRow;
}

void RecordRowDelegate::setCurrentRow(int row)
{
    m_currentRow = row;
}

QRect RecordRowDelegate::checkRect(const QRect &row)
{
    return QRect(row.x() + CheckLeft, row.y() + (row.height() - CheckSize) / 2, CheckSize, CheckSize);
}

QRect RecordRowDelegate::checkHitRect(const QRect &row)
{
    return QRect(row.x() + CheckLeft, row.y() + (row.height() - CheckHitSize) / 2, CheckHitSize, CheckHitSize);
}

void RecordRowDelegate::drawCheckBox(QPainter *painter, const QRect &row, int state, bool enabled) const
{
    painter->save();
    if (!enabled)
        painter->setOpacity(0.5);
    painter->drawPixmap(checkRect(row), state == Qt::Checked ? m_checked : m_unchecked);
    painter->restore();
}

bool RecordRowDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                    const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && checkHitRect(option.rect).contains(mouse->pos())) {
            emit checkBoxclicked(index);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
