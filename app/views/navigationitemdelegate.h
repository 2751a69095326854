#pragma once

#include <QMap>
#include <QPixmap>
#include <QScopedPointer>
#include <QStyledItemDelegate>

class QCheckBox;

// Paints the category list: a group header as grey text; a category as its
// check box, icon and "Name(count)", grey without records, on a light fill
// when current or hovered. A left-button release inside a row's box emits
// checkBoxClicked.
class NavigationItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int BoxSize = 24;

    explicit NavigationItemDelegate(QObject *parent = nullptr);
    ~NavigationItemDelegate() override;

    // Icons by the row a category got when it was added.
    QMap<int, QPixmap> activeIcons;
    QMap<int, QPixmap> inactiveIcons;

    int currentRow() const;
    void setCurrentRow(int row);
    // Where a row's box is drawn and takes clicks.
    static QRect checkBoxRect(const QRect &rowRect);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void checkBoxClicked(const QModelIndex &index);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    int m_currentRow = -1;
    // Only handed to the style as the box's widget.
    QScopedPointer<QCheckBox> m_checkBox;
};
