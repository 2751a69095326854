#pragma once

#include "recordlistproxymodel.h"

// The filter and order of the notes list: the keyword is looked for in the
// title, the content, the date text and the attachments' names. Sorted,
// deleted notes come first in either order, newer first among each.
class MemoSortProxyModel : public RecordListProxyModel
{
    Q_OBJECT

public:
    explicit MemoSortProxyModel(QObject *parent = nullptr);

protected:
    bool recordMatches(const QVariant &record, const QString &keyword) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
