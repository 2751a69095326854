#pragma once

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QStyledItemDelegate>

// Paints one category of the type selection as a card (its icon with a
// check mark on the corner, its name below) and toggles the mark when a
// left click ends on the card. Items hold a Vx::DataItemInfo as display data.
class TypeItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit TypeItemDelegate(QObject *parent = nullptr);

    void setDisplayMode(int mode);
    int displayMode() const;
    void setItemSize(const QSize &size);
    QSize itemSize() const;

    // One per model row, in row order.
    QList<QPixmap> icons;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // What a click on the card does: flips a checkable item between checked
    // and unchecked and emits checkStateChanged, then clicked. Assistive
    // tools take this path too.
    void clickItem(QAbstractItemModel *model, const QModelIndex &index);

signals:
    void checkStateChanged(int row, int state);
    void clicked(int id);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    QPixmap m_checkedPixmap;
    QPixmap m_uncheckedPixmap;
    int m_displayMode = 0;
    QSize m_itemSize;
};
