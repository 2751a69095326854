#include "calendarsproxymodel.h"

#include "calendarstablemodel.h"
#include "devicedata.h"

CalendarsProxyModel::CalendarsProxyModel(int group, int typeId, QObject *parent)
    : CategorySortModel(group, typeId, parent)
{
}

bool CalendarsProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto *table = qobject_cast<const CalendarsTableModel *>(sourceModel());
    if (!table || sourceParent.isValid() || sourceRow >= table->recordCount())
        return false;
    const DeviceData::CalenderReminderInfo &entry = CalendarsTableModel::recordOf(table->records().at(sourceRow));
    const QString pattern = keyword();
    bool hit = pattern.isEmpty();
    for (const QString *text : {&entry.title, &entry.notes, &entry.location, &entry.endText, &entry.listName,
                                &entry.startText}) {
        if (hit)
            break;
        hit = text->contains(pattern, Qt::CaseInsensitive);
    }
    for (int i = 0; !hit && i < entry.attachments.size(); ++i)
        hit = entry.attachments.at(i).name.contains(pattern, Qt::CaseInsensitive);
    if (!hit)
        return false;
    switch (filterMode()) {
    case 1:
        return !entry.deleted;
    case 2:
        return entry.deleted;
    default:
        return true;
    }
}
