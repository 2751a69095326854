#include "mediaproxymodel.h"

#include "devicedata.h"
#include "formatutils.h"
#include "medialistmodel.h"

#include <QStringList>

using DeviceData::MediaInfo;

namespace
{
    bool isHeic(const MediaInfo &media)
    {
        static const QStringList suffixes{QStringLiteral("heic"), QStringLiteral("heif"), QStringLiteral("heics"),
                                          QStringLiteral("heifs")};
        return endsWithAny(media.suffix, suffixes, Qt::CaseInsensitive);
    }
}

MediaProxyModel::MediaProxyModel(int group, int typeId, QObject *parent)
    : MediaProxyModel(group, typeId, typeId != DeviceData::Photos && typeId != DeviceData::AlbumVideos, parent)
{
}

MediaProxyModel::MediaProxyModel(int group, int typeId, bool keywordFilter, QObject *parent)
    : CSortFilterProxyModel(parent)
    , m_group(group)
    , m_typeId(typeId)
    , m_keywordFilter(keywordFilter)
{
    setDynamicSortFilter(false);
}

int MediaProxyModel::group() const
{
    return m_group;
}

int MediaProxyModel::typeId() const
{
    return m_typeId;
}

bool MediaProxyModel::filtersByKeyword() const
{
    return m_keywordFilter;
}

void MediaProxyModel::setKeyword(const QString &keyword)
{
    m_keyword = keyword;
}

QString MediaProxyModel::keyword() const
{
    return m_keyword;
}

void MediaProxyModel::setTimeSpan(int rangeIndex, const QDateTime &referenceTime, qint64 minDays, qint64 maxDays)
{
    m_rangeIndex = rangeIndex;
    m_referenceTime = referenceTime;
    m_minDays = minDays;
    m_maxDays = maxDays;
}

int MediaProxyModel::rangeIndex() const
{
    return m_rangeIndex;
}

bool MediaProxyModel::insideSpan(qint64 time) const
{
    const qint64 days = QDateTime::fromSecsSinceEpoch(time).daysTo(m_referenceTime);
    return days >= 0 && m_minDays <= days && days <= m_maxDays;
}

bool MediaProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto *media = qobject_cast<const MediaListModel *>(sourceModel());
    if (!media || sourceParent.isValid() || sourceRow < 0 || sourceRow >= media->recordCount())
        return false;
    const MediaInfo &record = MediaListModel::mediaOf(media->records().at(sourceRow));
    const int mode = filterMode();
    if (m_keywordFilter) {
        if (mode != 0 && mode != 1 && mode != 2)
            return true;
        if ((mode == 1 && record.deleted) || (mode == 2 && !record.deleted))
            return false;
        return m_keyword.isEmpty() || record.name.contains(m_keyword, Qt::CaseInsensitive);
    }
    if (mode != 0 && mode != 1 && mode != 2)
        return false;
    if ((mode == 1 && record.deleted) || (mode == 2 && !record.deleted))
        return false;
    return m_rangeIndex == 0 || insideSpan(record.time);
}

bool MediaProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant leftRecord = left.data(Qt::DisplayRole);
    const QVariant rightRecord = right.data(Qt::DisplayRole);
    const MediaInfo &a = MediaListModel::mediaOf(leftRecord);
    const MediaInfo &b = MediaListModel::mediaOf(rightRecord);
    const bool heicA = isHeic(a);
    const bool heicB = isHeic(b);
    if (heicA != heicB)
        return heicB;
    if (heicA)
        return a.time < b.time;
    if (a.deleted != b.deleted)
        return a.deleted;
    return a.time > b.time;
}
