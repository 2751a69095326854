#include "checkabletableitemdelegate.h"

#include "itemroles.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

CheckableTableItemDelegate::CheckableTableItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
    m_checkImages = {QPixmap(QStringLiteral(":/Images/check_no.png")),
                     QPixmap(QStringLiteral(":/Images/check_partial.png")),
                     QPixmap(QStringLiteral(":/Images/check.png"))};
}

void CheckableTableItemDelegate::setHoveredIndex(const QModelIndex &index)
{
    m_hovered = index;
}

void CheckableTableItemDelegate::setClickedIndex(const QModelIndex &index)
{
    m_clicked = index;
}

QModelIndex CheckableTableItemDelegate::hoveredIndex() const
{
    return m_hovered;
}

QModelIndex CheckableTableItemDelegate::clickedIndex() const
{
    return m_clicked;
}

void CheckableTableItemDelegate::layoutCellText(QTextDocument &document, const QString &html, const QFont &font,
                                                int width, const QColor &colour)
{
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    QTextOption textOption = document.defaultTextOption();
    textOption.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textOption.setWrapMode(QTextOption::NoWrap);
    document.setDefaultTextOption(textOption);
    document.setHtml(QStringLiteral("<font color=\"%1\">%2</font>").arg(colour.name(), html));

    const QFontMetrics metrics(font);
    const QPointF probe(width - metrics.horizontalAdvance(QStringLiteral("...")), metrics.height() / 2);
    const int cut = document.documentLayout()->hitTest(probe, Qt::ExactHit);
    if (cut < 0)
        return;
    QTextCursor cursor(&document);
    cursor.setPosition(cut);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.insertText(QStringLiteral("..."), format);
}

void CheckableTableItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    QFont font = painter->font();
    font.setPixelSize(FontPixelSize);
    painter->save();
    painter->setFont(font);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    opt.state &= ~QStyle::State_HasFocus;
    // The row colours below mark the clicked and hovered rows; the style's
    // own selection fill would hide them and the text.
    opt.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver);
    // The check picture stands for the record's box; no native one beside it.
    opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;

    if (index.row() % 2 == 0)
        painter->fillRect(opt.rect, QColor(QStringLiteral("#F2F2F2")));
    if (m_hovered.isValid() && index.row() == m_hovered.row())
        painter->fillRect(opt.rect, QColor(QStringLiteral("#ECF3FF")));
    else if (m_clicked.isValid() && index.row() == m_clicked.row())
        painter->fillRect(opt.rect, QColor(QStringLiteral("#DFE9FD")));

    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    if (index.column() == 0) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const bool checked = index.data(CheckableRole).toBool() && index.data(CheckStateRole).toInt() == 2;
        const QRect box(opt.rect.x() + (opt.rect.width() - CheckSize) / 2,
                        opt.rect.y() + (opt.rect.height() - CheckSize) / 2, CheckSize, CheckSize);
        painter->drawPixmap(box, m_checkImages.at(checked ? 2 : 0));
        painter->restore();
        return;
    }

    const QColor colour = opt.palette.color(QPalette::Text);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        opt.palette.setBrush(group, QPalette::Text, colour);
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(15, 0, 0, 0);
    QTextDocument document;
    layoutCellText(document, opt.text, font, textRect.width(), colour);
    painter->save();
    painter->translate(textRect.left(), textRect.top() + (textRect.height() - document.size().height()) * 0.5);
    painter->setClipRect(QRectF(0, 0, textRect.width(), textRect.height()));
    document.drawContents(painter);
    painter->restore();

    opt.text.clear();
    opt.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    painter->restore();
}

bool CheckableTableItemDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                             const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonRelease && index.column() == 0) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && option.rect.contains(mouse->pos()))
            emit checkBoxClicked(index);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
