#include "memoitemdelegate.h"

#include "checkabletableitemdelegate.h"
#include "devicedata.h"
#include "memolistmodel.h"
#include "recordaccess.h"
#include "recordlistproxymodel.h"
#include "viewtext.h"

#include <QApplication>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>

MemoItemDelegate::MemoItemDelegate(RecordListProxyModel *proxy)
    : RecordRowDelegate(proxy)
{
}

QSize MemoItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(RowHeight);
    return size;
}

QString MemoItemDelegate::lineHtml(const QString &text, const QString &keyword)
{
    return ViewText::marked(text.left(TextLength), keyword);
}

void MemoItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QRect row = opt.rect;
    const QString keyword = proxy()->keyword();
    const QVariant record = index.data(Qt::DisplayRole);
    const DeviceData::NotesInfo &note = MemoListModel::noteOf(record);

    painter->save();
    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    if (index.row() == currentRow())
        painter->fillRect(row, QColor(QStringLiteral("#F1F6FF")));
    else if (opt.state & QStyle::State_Selected)
        painter->fillRect(row, QColor(QStringLiteral("#F2F2F2")));

    drawCheckBox(painter, row, DeviceData::checkState(record), DeviceData::isCheckable(record));

    const QColor red(QStringLiteral("#e73e28"));
    auto drawLine = [&](const QRect &rect, int narrower, const QString &text, const QColor &colour) {
        QStyleOptionViewItem lineOption(opt);
        lineOption.rect = rect;
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &lineOption, widget)
                                   .adjusted(0, 0, -narrower, 0);
        QTextDocument document;
        CheckableTableItemDelegate::layoutCellText(document, lineHtml(text, keyword), font, textRect.width(), colour);
        painter->save();
        painter->translate(textRect.topLeft());
        painter->setClipRect(QRect(QPoint(0, 0), textRect.size()));
        document.drawContents(painter);
        painter->restore();
    };

    drawLine(QRect(row.x() + 46, row.y() + 5, row.width() - 181, 28), 15, note.title,
             note.deleted ? red : QColor(QStringLiteral("#333333")));

    const QColor grey = note.deleted ? red : QColor(QStringLiteral("#999999"));
    QFont dateFont = font;
    dateFont.setPixelSize(14);
    painter->setFont(dateFont);
    painter->setPen(grey);
    // Wide enough for the whole date in any font.
    const int dateWidth = std::max(135, QFontMetrics(dateFont).horizontalAdvance(note.createdText));
    painter->drawText(QRect(row.x() + row.width() - 8 - dateWidth, row.y() + 3, dateWidth, 24),
                      Qt::AlignRight | Qt::AlignVCenter, note.createdText);
    painter->setFont(font);

    const int fontHeight = QFontMetrics(font).height();
    drawLine(QRect(row.x() + 46, row.y() + row.height() - 6 - fontHeight, row.width() - 46, 28), 0, note.body, grey);

    painter->setPen(QColor(240, 240, 240));
    painter->drawLine(row.x(), row.bottom(), row.x() + row.width(), row.bottom());
    painter->restore();
}
