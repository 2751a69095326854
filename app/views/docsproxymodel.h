#pragma once

#include "categorysortmodel.h"

// The proxy of the documents tables.
//
// Filter: the keyword (plain text, ignoring case) must occur in the Name or
// the Size text, as the user reads them; then the filter mode.
//
// Order: deleted rows first in both orders; two deleted rows by size,
// larger first, in every column; other rows by size in the Size column and
// by their plain text elsewhere.
class DocsProxyModel : public CategorySortModel
{
    Q_OBJECT

public:
    DocsProxyModel(int group, int typeId, QObject *parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
