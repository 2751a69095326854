#include "contactinfodelegate.h"

#include "viewtext.h"

#include <QApplication>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>

ContactInfoDelegate::ContactInfoDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

int ContactInfoDelegate::valueWidth(int rowWidth)
{
    return rowWidth - rowWidth / 3;
}

int ContactInfoDelegate::rowHeight(const QString &valueHtml, const QFont &font)
{
    QFont sized(font);
    sized.setPixelSize(FontPixelSize);
    QTextDocument document;
    ViewText::layOutValue(document, valueHtml, Qt::black, sized, valueWidth(RowWidth), Qt::AlignLeft | Qt::AlignTop);
    return std::max(10, int(document.size().height()) + 10);
}

void ContactInfoDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QStringList texts = index.data(Qt::DisplayRole).toStringList();
    const QString label = texts.value(0);
    const QString value = texts.value(1);
    const bool deleted = texts.value(2).toInt() != 0;
    const QRect row = opt.rect;

    painter->save();
    QFont font = painter->font();
    font.setPixelSize(FontPixelSize);
    painter->setFont(font);
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QColor pen = deleted ? QColor(QStringLiteral("#e73e28")) : QColor(102, 102, 102);
    painter->setPen(pen);

    const int third = row.width() / 3;
    const QRect labelRect(row.x(), row.y(), third - 15, row.height());
    const QString shownLabel = painter->fontMetrics().elidedText(label, Qt::ElideMiddle, labelRect.width());
    QPalette palette = opt.palette;
    palette.setColor(QPalette::WindowText, pen);
    style->drawItemText(painter, labelRect, Qt::AlignRight | Qt::AlignTop, palette, true, shownLabel,
                        QPalette::WindowText);

    const QSize hint = index.data(Qt::SizeHintRole).toSize();
    const int height = hint.isValid() ? hint.height() : row.height();
    // Laid out, measured and clipped at one width, so no line is cut off.
    const QRect valueRect(row.x() + third, row.y(), row.width() - third, height);
    if (!deleted)
        pen = QColor(QStringLiteral("#333333"));
    QTextDocument document;
    ViewText::layOutValue(document, value, pen, font, valueRect.width(), Qt::AlignLeft | Qt::AlignVCenter);
    painter->save();
    painter->translate(valueRect.topLeft());
    painter->setClipRect(QRect(QPoint(0, 0), valueRect.size()));
    document.drawContents(painter);
    painter->restore();

    opt.text.clear();
    opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    painter->restore();
}
