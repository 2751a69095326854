#include "memolistmodel.h"

#include "devicedata.h"

using DeviceData::NotesInfo;

MemoListModel::MemoListModel(int group, int typeId, QObject *parent)
    : RecordListModel(group, typeId, parent)
{
}

const NotesInfo &MemoListModel::noteOf(const QVariant &record)
{
    static const NotesInfo empty;
    return record.userType() == qMetaTypeId<NotesInfo>() ? *static_cast<const NotesInfo *>(record.constData())
                                                          : empty;
}

QString MemoListModel::accessibleText(const QVariant &record) const
{
    return noteOf(record).title;
}

qint64 MemoListModel::recordTime(const QVariant &record) const
{
    return noteOf(record).created;
}
