#include "contactsortproxymodel.h"

#include "contactlistmodel.h"
#include "devicedata.h"

ContactSortProxyModel::ContactSortProxyModel(QObject *parent)
    : RecordListProxyModel(parent)
{
}

bool ContactSortProxyModel::recordMatches(const QVariant &record, const QString &keyword) const
{
    const DeviceData::ContactInfo &contact = ContactListModel::contactOf(record);
    for (const QString *text : {&contact.sortName, &contact.organization, &contact.note, &contact.birthday}) {
        if (text->contains(keyword, Qt::CaseInsensitive))
            return true;
    }
    for (const DeviceData::LabelledValues *values :
         {&contact.phones, &contact.emails, &contact.urls, &contact.addresses, &contact.dates, &contact.relatedNames,
          &contact.socialProfiles, &contact.instantMessaging}) {
        for (const auto &pair : *values) {
            if (pair.second.contains(keyword, Qt::CaseInsensitive))
                return true;
        }
    }
    return false;
}
