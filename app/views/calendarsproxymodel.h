#pragma once

#include "categorysortmodel.h"

// The filter and order of the calendar and reminder tables. The keyword is
// looked for in the title, notes, location, end text, list name and start
// text, then in the attachments' names. The order is the category tables':
// deleted rows first in both orders, the time (the row's, whatever the
// column) orders two deleted rows and the date column.
class CalendarsProxyModel : public CategorySortModel
{
    Q_OBJECT

public:
    CalendarsProxyModel(int group, int typeId, QObject *parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
};
