#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QVariant>

namespace DeviceData {
struct MediaInfo;
}

// The records of a media grid (one DeviceData::MediaInfo each) and the
// thumbnails of the tiles being shown, keyed by record row. Row r is always
// record r; the rows come PageSize at a time (fetchMore), loadAll shows the
// rest in one step. Used on the GUI thread only.
//
// Roles: Qt::DisplayRole the record; Qt::DecorationRole its thumbnail (a
// null pixmap without one); Qt::ForegroundRole "#e73e28" for a deleted
// record, else RGB (51, 51, 51); Qt::AccessibleTextRole the file's name;
// Qt::CheckStateRole the check state (Qt::ItemIsUserCheckable when
// checkable); DeletedRole, CheckableRole, CheckStateRole, TimeRole.
// setData takes CheckableRole and CheckStateRole (dataChanged), and a
// thumbnail as ThumbnailRole (dataChanged) or ThumbnailSilentRole (none); a
// null pixmap removes the row's thumbnail. Qt::CheckStateRole is refused,
// so a click reaches the view's own toggle once.
class MediaListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int PageSize = 50;

    explicit MediaListModel(QObject *parent = nullptr);

    // The record a variant holds, read in place; an empty one for another type.
    static const DeviceData::MediaInfo &mediaOf(const QVariant &record);
    // The file a record's thumbnail is decoded from: its preview when it has
    // one, else the file itself.
    static QString picturePath(const QVariant &record);

    // One record more; shown at once only while 1 to 30 rows are shown,
    // else it waits for fetchMore.
    void appendItem(const QVariant &record);
    void setDataList(const QList<QVariant> &records);
    void clear();
    void loadAll();
    // Replaces a record without any signal.
    void setRecord(int row, const QVariant &record);
    // Every view reads the model again.
    void refresh();

    int recordCount() const;
    const QList<QVariant> &records() const;
    QVariant recordAt(int row) const;
    bool hasThumbnail(int row) const;
    int thumbnailCount() const;

    QString keyword() const;
    void setKeyword(const QString &keyword);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QString m_keyword;
    QList<QVariant> m_records;
    QHash<int, QPixmap> m_thumbnails;
    int m_shown = 0;
};
