#pragma once

#include <QPixmap>
#include <QScopedPointer>
#include <QStyledItemDelegate>

class PictureRequests;
class QCheckBox;

// Paints a chat session row of the LINE and WhatsApp lists from the session
// model's roles: the check box, the round picture (the person or group
// picture when it has none or it cannot be read), the name, the last
// message's time (with an asterisk for starred messages) and its summary,
// the keyword highlighted, on a light fill when current or hovered; deleted
// sessions in red. Names and summaries are device text: they reach the
// painted document only escaped (ChatText). Pictures are decoded off the
// GUI thread; a row shows the default picture until its own is back.
//
// A left-button release inside the 20 x 20 box at x + 20 (the drawn box
// stands at x + 15) emits checkBoxClicked and is consumed.
class ChatSessionDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 55;
    static constexpr int PictureSide = 36;
    static constexpr int BoxSize = 20;

    explicit ChatSessionDelegate(QObject *parent = nullptr);
    ~ChatSessionDelegate() override;

    // The proxy row shown in the conversation pane, -1 none.
    int currentRow() const;
    void setCurrentRow(int row);
    static QRect checkBoxHitRect(const QRect &rowRect);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void checkBoxClicked(const QModelIndex &index);
    // A row's picture is back: the list repaints.
    void pictureArrived();

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    void drawText(QPainter *painter, const QRect &rect, const QString &plain, const QString &keyword,
                  const QColor &colour, int pixelSize) const;

    int m_currentRow = -1;
    // Only handed to the style as the box's widget.
    QScopedPointer<QCheckBox> m_checkBox;
    PictureRequests *m_pictures = nullptr;
    QPixmap m_person;
    QPixmap m_group;
    QPixmap m_asterisk;
};
