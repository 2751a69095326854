#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

class MediaProxyModel;

// Paints one 141 x 141 tile of a media grid: the thumbnail centred (a
// video's with a play mark over it; a photo or video without one its
// placeholder), the file's name on a dark band at the bottom, a grey corner
// with a red mark on a deleted record, a check mark on a checked one, and a
// frame, blue under the pointer.
class MediaItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int TileSide = 141;

    MediaItemDelegate(int typeId, MediaProxyModel *proxy, QObject *parent = nullptr);

    int typeId() const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    // For the grids with a play mark of their own.
    MediaItemDelegate(int typeId, MediaProxyModel *proxy, const QPixmap &playMark, QObject *parent);

private:
    int m_typeId = 0;
    MediaProxyModel *m_proxy = nullptr;
    QPixmap m_checkMark;
    QPixmap m_deletedMark;
    QPixmap m_playMark;
    QPixmap m_videoPlaceholder;
    QPixmap m_photoPlaceholder;
};
