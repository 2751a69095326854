#pragma once

#include "recordlistmodel.h"

namespace DeviceData {
struct ContactInfo;
}

// The contacts (category 1), one DeviceData::ContactInfo per row, in the
// store's order. Beside the base's roles: ContactTextRole, the picture's
// file; TimeRole the contact's time; Qt::AccessibleTextRole its name.
class ContactListModel : public RecordListModel
{
    Q_OBJECT

public:
    explicit ContactListModel(int group = 0, int typeId = 1, QObject *parent = nullptr);

    // The contact a variant holds, read in place; an empty one for another
    // type.
    static const DeviceData::ContactInfo &contactOf(const QVariant &record);

protected:
    QString accessibleText(const QVariant &record) const override;
    qint64 recordTime(const QVariant &record) const override;
    QVariant recordData(const QVariant &record, int role) const override;
};
