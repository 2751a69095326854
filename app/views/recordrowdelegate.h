#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

class RecordListProxyModel;

// The base of the row delegates of the record lists (contacts, notes): the
// row whose record the detail pane shows, the row's check box at (x + 15,
// vertically centred) and its click area of 24 x 24 around the drawn 20 x 20
// box. A left-button release inside that area emits checkBoxclicked and is
// consumed; the view decides whether the record may change.
class RecordRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int CheckSize = 20;
    static constexpr int CheckHitSize = 24;
    static constexpr int CheckLeft = 15;

    // The proxy is the parent; the keyword the rows highlight is its.
    explicit RecordRowDelegate(RecordListProxyModel *proxy);

    RecordListProxyModel *proxy() const;
    // The proxy row of the record shown in the detail pane; -1 none.
    int currentRow() const;
    void setCurrentRow(int row);

    // The rectangle the check box of a row is drawn in, and the one a click
    // ticks it in.
    static QRect checkRect(const QRect &row);
    static QRect checkHitRect(const QRect &row);

signals:
    void checkBoxclicked(const QModelIndex &index);

protected:
    // The views' check pictures: ticked for state 2, else empty; faded while
    // the record may not be checked.
    void drawCheckBox(QPainter *painter, const QRect &row, int state, bool enabled) const;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    RecordListProxyModel *m_proxy = nullptr;
    int m_currentRow = -1;
    QPixmap m_checked;
    QPixmap m_unchecked;
};
