#include "memosortproxymodel.h"

#include "devicedata.h"
#include "itemroles.h"
#include "memolistmodel.h"

MemoSortProxyModel::MemoSortProxyModel(QObject *parent)
    : RecordListProxyModel(parent)
{
}

bool MemoSortProxyModel::recordMatches(const QVariant &record, const QString &keyword) const
{
    const DeviceData::NotesInfo &note = MemoListModel::noteOf(record);
    if (note.title.contains(keyword, Qt::CaseInsensitive) || note.body.contains(keyword, Qt::CaseInsensitive)
        || note.createdText.contains(keyword, Qt::CaseInsensitive))
        return true;
    for (const DeviceData::MediaInfo &attachment : note.attachments) {
        if (attachment.name.contains(keyword, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool MemoSortProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const bool leftDeleted = left.data(DeletedRole).toBool();
    const bool rightDeleted = right.data(DeletedRole).toBool();
    if (leftDeleted != rightDeleted)
        return sortOrder() == Qt::AscendingOrder ? leftDeleted : rightDeleted;
    return left.data(TimeRole).toLongLong() > right.data(TimeRole).toLongLong();
}
