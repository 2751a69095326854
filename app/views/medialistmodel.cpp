#include "medialistmodel.h"

#include "devicedata.h"
#include "itemroles.h"
#include "recordaccess.h"

#include <QColor>

#include <algorithm>

using DeviceData::MediaInfo;

namespace
{
    // Records appended while this many rows or fewer are shown appear at once.
    constexpr int AppendShownUpTo = 30;
}

MediaListModel::MediaListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

const MediaInfo &MediaListModel::mediaOf(const QVariant &record)
{
    static const MediaInfo empty;
    return record.userType() == qMetaTypeId<MediaInfo>() ? *static_cast<const MediaInfo *>(record.constData()) : empty;
}

QString MediaListModel::picturePath(const QVariant &record)
{
    const MediaInfo &media = mediaOf(record);
    return media.preview.isEmpty() ? media.path : media.preview;
}

void MediaListModel::appendItem(const QVariant &record)
{
    const int shown = m_shown;
    if (shown >= 1 && shown <= AppendShownUpTo) {
        beginInsertRows(QModelIndex(), shown, shown);
        m_records.append(record);
        ++m_shown;
        endInsertRows();
    } else {
        m_records.append(record);
    }
}

void MediaListModel::setDataList(const QList<QVariant> &records)
{
    beginResetModel();
    if (!m_records.isSharedWith(records))
        m_records = records;
    m_thumbnails.clear();
    m_shown = std::min<int>(m_records.size(), PageSize);
    endResetModel();
}

void MediaListModel::clear()
{
    beginResetModel();
    m_records.clear();
    m_thumbnails.clear();
    m_shown = 0;
    endResetModel();
}

void MediaListModel::loadAll()
{
    // One insertion for the rest: one relayout of the grid.
    if (m_shown >= m_records.size())
        return;
    beginInsertRows(QModelIndex(), m_shown, m_records.size() - 1);
    m_shown = m_records.size();
    endInsertRows();
}

void MediaListModel::setRecord(int row, const QVariant &record)
{
    if (row >= 0 && row < m_records.size())
        m_records[row] = record;
}

void MediaListModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int MediaListModel::recordCount() const
{
    return m_records.size();
}

const QList<QVariant> &MediaListModel::records() const
{
    return m_records;
}

QVariant MediaListModel::recordAt(int row) const
{
    return m_records.value(row);
}

bool MediaListModel::hasThumbnail(int row) const
{
    return m_thumbnails.contains(row);
}

int MediaListModel::thumbnailCount() const
{
    return m_thumbnails.size();
}

QString MediaListModel::keyword() const
{
    return m_keyword;
}

void MediaListModel::setKeyword(const QString &keyword)
{
    m_keyword = keyword;
}

int MediaListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

bool MediaListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_shown < m_records.size();
}

void MediaListModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    const int more = std::min<int>(PageSize, m_records.size() - m_shown);
    if (more <= 0)
        return;
    beginInsertRows(QModelIndex(), m_shown, m_shown + more - 1);
    m_shown += more;
    endInsertRows();
}

QVariant MediaListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_records.size())
        return QVariant();
    const QVariant &record = m_records.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return record;
    case Qt::DecorationRole:
        return m_thumbnails.value(index.row());
    case Qt::ForegroundRole:
        return mediaOf(record).deleted ? QColor(QStringLiteral("#e73e28")) : QColor(51, 51, 51, 255);
    case Qt::AccessibleTextRole:
        return mediaOf(record).name;
    case Qt::CheckStateRole:
        return DeviceData::checkState(record) == 2 ? Qt::Checked : Qt::Unchecked;
    case DeletedRole:
        return DeviceData::isDeleted(record);
    case CheckableRole:
        return DeviceData::isCheckable(record);
    case CheckStateRole:
        return DeviceData::checkState(record);
    case TimeRole:
        return qlonglong(mediaOf(record).time);
    default:
        return QVariant();
    }
}

bool MediaListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_records.size())
        return false;
    const int row = index.row();
    switch (role) {
    case CheckableRole:
        if (!DeviceData::setCheckable(m_records[row], value.toBool()))
            return false;
        emit dataChanged(index, index);
        return true;
    case CheckStateRole:
        if (!DeviceData::setCheckState(m_records[row], value.toInt()))
            return false;
        emit dataChanged(index, index);
        return true;
    case ThumbnailSilentRole:
    case ThumbnailRole: {
        const QPixmap pixmap = value.value<QPixmap>();
        if (pixmap.isNull())
            m_thumbnails.remove(row);
        else
            m_thumbnails.insert(row, pixmap);
        if (role == ThumbnailRole)
            emit dataChanged(index, index);
        return true;
    }
    default:
        return false;
    }
}

Qt::ItemFlags MediaListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return QAbstractListModel::flags(index);
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (index.row() < m_records.size() && DeviceData::isCheckable(m_records.at(index.row())))
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}
