#pragma once

#include <QStyledItemDelegate>

// Paints a row of the contact detail pane. The row's display value is a
// QStringList: the label (with its colon), the value as HTML (escaped device
// text, keyword matches coloured, address lines broken) and "1" or "0" for a
// deleted contact. The label is right-aligned in the first third, the value
// wraps anywhere in the rest; a deleted contact's texts are "#e73e28".
class ContactInfoDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int RowWidth = 580;
    static constexpr int FontPixelSize = 16;

    explicit ContactInfoDelegate(QObject *parent = nullptr);

    // The width the value of a row of that width is laid out in.
    static int valueWidth(int rowWidth);
    // The row's height for a value: the value's height when laid out in the
    // value column, plus 10.
    static int rowHeight(const QString &valueHtml, const QFont &font);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
