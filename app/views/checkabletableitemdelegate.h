#pragma once

#include <QModelIndex>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QVector>

class QTextDocument;

// Paints the rows of the checkable tables: even rows grey, the hovered and
// the clicked row in light blues, a check picture in column 0 and every
// other cell as one line of the model's display text read as HTML (the
// models escape what they show), elided with "..." where it does not fit.
// A left-button release on a cell of column 0 emits checkBoxClicked.
class CheckableTableItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int FontPixelSize = 16;
    static constexpr int CheckSize = 20;

    explicit CheckableTableItemDelegate(QObject *parent = nullptr);

    void setHoveredIndex(const QModelIndex &index);
    void setClickedIndex(const QModelIndex &index);
    QModelIndex hoveredIndex() const;
    QModelIndex clickedIndex() const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Lays html out in document as a cell of that width shows it: one line
    // in font, the colour around it, and everything from the character under
    // (width - width of "...", half the font's height) on replaced by "..."
    // when the text reaches that far.
    static void layoutCellText(QTextDocument &document, const QString &html, const QFont &font, int width,
                               const QColor &colour);

signals:
    void checkBoxClicked(const QModelIndex &index);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    QModelIndex m_hovered;
    QModelIndex m_clicked;
    QVector<QPixmap> m_checkImages; // unchecked, partly, checked
};
