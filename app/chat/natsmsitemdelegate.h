#pragma once

#include <QPixmap>
#include <QScopedPointer>
#include <QStyledItemDelegate>

class PictureRequests;
class QCheckBox;

// Paints a conversation row: its check box, the round avatar, the name, the
// date of the previewed message and its preview, the keyword highlighted, on
// a light fill when current or hovered; deleted conversations in red. A
// left-button release on the box (20 x 20 at x + 20 of the row) emits
// checkBoxClicked. Names and previews are device text: they reach the
// painted document only escaped (ChatText).
class NatSmsItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 55;
    static constexpr int AvatarSize = 36;

    explicit NatSmsItemDelegate(QObject *parent = nullptr);
    ~NatSmsItemDelegate() override;

    // The proxy row painted as current, -1 none.
    int currentRow() const;
    void setCurrentRow(int row);
    QString keyword() const;
    void setKeyword(const QString &keyword);
    // Where a row's clicks tick its box.
    static QRect checkBoxHitRect(const QRect &rowRect);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void checkBoxClicked(const QModelIndex &index);
    // An avatar asked for while painting is ready: paint the rows again.
    void pictureArrived();

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    QPixmap avatarFor(const QString &path) const;
    void drawText(QPainter *painter, const QRect &rect, const QString &plain, const QColor &colour,
                  int pixelSize) const;

    int m_currentRow = -1;
    // Only handed to the style as the box's widget.
    QScopedPointer<QCheckBox> m_checkBox;
    PictureRequests *m_pictures = nullptr;
    QPixmap m_defaultAvatar;
    QString m_keyword;
};
