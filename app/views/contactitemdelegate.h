#pragma once

#include "recordrowdelegate.h"

#include <QPixmap>

class PictureRequests;

// Paints a contact row, 50 px high: the check box, the contact's picture in
// a circle (36 x 36, from the ThumbnailLoader; the default picture until it
// arrives and where it cannot be read) and the first 80 characters of the
// name as plain text with the keyword's matches coloured, ending in "..."
// where it does not fit. The row shown in the detail pane is "#F1F6FF", the
// hovered one "#F2F2F2". pictureArrived() asks the list to repaint.
class ContactItemDelegate : public RecordRowDelegate
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 50;
    static constexpr int PictureSide = 36;
    static constexpr int NameLength = 80;

    explicit ContactItemDelegate(RecordListProxyModel *proxy);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The document the name of a row is laid out in (for tests).
    static QString nameHtml(const QString &fullName, const QString &keyword);

signals:
    void pictureArrived();

private:
    PictureRequests *m_pictures = nullptr;
    QPixmap m_defaultPicture;
};
