#include "contactlistmodel.h"

#include "devicedata.h"
#include "itemroles.h"

using DeviceData::ContactInfo;

ContactListModel::ContactListModel(int group, int typeId, QObject *parent)
    : RecordListModel(group, typeId, parent)
{
}

const ContactInfo &ContactListModel::contactOf(const QVariant &record)
{
    static const ContactInfo empty;
    return record.userType() == qMetaTypeId<ContactInfo>() ? *static_cast<const ContactInfo *>(record.constData())
                                                            : empty;
}

QString ContactListModel::accessibleText(const QVariant &record) const
{
    return contactOf(record).sortName;
}

qint64 ContactListModel::recordTime(const QVariant &record) const
{
    return contactOf(record).time;
}

QVariant ContactListModel::recordData(const QVariant &record, int role) const
{
    return role == ContactTextRole ? QVariant(contactOf(record).photoPath) : QVariant();
}
