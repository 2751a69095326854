#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>
#include <QVariant>

class PictureRequests;
class QStandardItem;

namespace DeviceData {
struct MediaInfo;
}

// The base of the delegates of the detail cards of calendars, reminders and
// notes. A row's display value is a list of four QVariants: the label with
// ": ", the value as HTML ("/" for an empty value), "1" or "0" for a deleted
// record, and for an attachment row the attachment (DeviceData::MediaInfo),
// else an invalid QVariant.
//
// Text rows: the label right-aligned in the first 140 px, the value wrapping
// anywhere from x + 145 on. Attachment rows: a tile of 200 x 140 with the
// attachment's picture (asked of the ThumbnailLoader, fitted between 96 x 96
// and 200 x 140; the photo or video placeholder until it arrives and where
// it cannot be read), its name on a dark strip and a corner mark when the
// file is deleted. pictureArrived() asks the list to repaint.
class DetailCardDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int FontPixelSize = 16;
    static constexpr int LabelWidth = 140;
    static constexpr int ValueLeft = 145;
    static constexpr int AttachmentHeight = 160;

    // valueMargin: how much narrower than the row, beyond ValueLeft, the value
    // is laid out.
    DetailCardDelegate(int valueMargin, QObject *parent = nullptr);
    ~DetailCardDelegate() override;

    // A text row of a card rowWidth wide: its height fits the value laid
    // out 280 px wide, at least 32. plain is what assistive tools read.
    static QStandardItem *textRow(const QString &label, const QString &valueHtml, const QString &plain, bool deleted,
                                  const QFont &font, int rowWidth);
    static QStandardItem *attachmentRow(const QString &label, const DeviceData::MediaInfo &attachment, bool deleted,
                                        int rowWidth);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void pictureArrived();

protected:
    // The file an attachment's tile is decoded from.
    virtual QString tilePicturePath(const DeviceData::MediaInfo &attachment) const = 0;

private:
    void paintTile(QPainter *painter, const QRect &row, const DeviceData::MediaInfo &attachment) const;

    int m_valueMargin = 0;
    PictureRequests *m_pictures = nullptr;
    QPixmap m_play;
    QPixmap m_video;
    QPixmap m_photo;
    QPixmap m_deleted;
};
