#pragma once

#include "recordlistproxymodel.h"

// The filter of the contact list: the keyword is looked for in the name,
// company, note and birthday, then in the value of every labelled value
// (never in a label such as "_$!<Mobile>!$_"). No sorting: the store orders
// the contacts.
class ContactSortProxyModel : public RecordListProxyModel
{
    Q_OBJECT

public:
    explicit ContactSortProxyModel(QObject *parent = nullptr);

protected:
    bool recordMatches(const QVariant &record, const QString &keyword) const override;
};
