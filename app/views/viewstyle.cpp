#include "viewstyle.h"

#include <QAbstractItemView>
#include <QColor>
#include <QListView>
#include <QPalette>
#include <QScrollArea>
#include <QWidget>

namespace ViewStyle {

QString checkPictureSheet()
{
    return QStringLiteral("QCheckBox { spacing: 8px; }"
                          "QCheckBox::indicator { width: 20px; height: 20px; }"
                          "QCheckBox::indicator:unchecked { image: url(:/Images/check_no.png); }"
                          "QCheckBox::indicator:indeterminate { image: url(:/Images/check_partial.png); }"
                          "QCheckBox::indicator:checked { image: url(:/Images/check.png); }");
}

void fillWindow(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void fitListToRows(QAbstractItemView *list, int width)
{
    int height = 0;
    if (const QAbstractItemModel *model = list->model()) {
        for (int row = 0; row < model->rowCount(); ++row)
            height += model->index(row, 0).data(Qt::SizeHintRole).toSize().height();
    }
    list->setFixedSize(width, height);
}

QListView *detailList(QAbstractItemModel *model, QAbstractItemDelegate *delegate, const QString &style,
                      QWidget *parent, QScrollArea **scroll)
{
    auto *list = new QListView;
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setDragEnabled(false);
    list->setFrameShape(QFrame::NoFrame);
    list->setProperty("style", style);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setModel(model);
    list->setItemDelegate(delegate);
    auto *area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setStyleSheet(
        QStringLiteral("QScrollArea{background: transparent;border-radius: 0px;border: 0px solid #F0F0F0;}"));
    area->setWidget(list);
    *scroll = area;
    return list;
}

} // namespace ViewStyle
