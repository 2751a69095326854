#include "dataviewfactory.h"

#include "calendarsremindersview.h"
#include "contactview.h"
#include "devicedata.h"
#include "docstableview.h"
#include "facetimecallhistorview.h"
#include "mediatableview.h"
#include "memoview.h"
#include "safariview.h"
#include "voicemailmemoview.h"

#include <QList>

using namespace DeviceData;

namespace
{
    template <typename View>
    AbstractDataView *tableView(int typeId)
    {
        return new View(DeviceGroup, typeId);
    }

    // Tool bar pages: 3 Messages, 1 photos and videos, 2 every other view.
    QList<DataViewFactory::Row> &rows()
    {
        static QList<DataViewFactory::Row> table{
            {Voicemails, 2, tableView<VoiceMailMemoView>},
            {VoiceMemos, 2, tableView<VoiceMailMemoView>},
            {FaceTime, 2, tableView<FaceTimeCallHistorView>},
            {CallHistory, 2, tableView<FaceTimeCallHistorView>},
            {MessagesAttachment, 2, tableView<MediaTableView>},
            {Photos, 1, tableView<MediaTableView>},
            {AlbumVideos, 1, tableView<MediaTableView>},
            {NotesAttachment, 2, tableView<MediaTableView>},
            {CalendarsAttachment, 2, tableView<MediaTableView>},
            {RemindersAttachment, 2, tableView<MediaTableView>},
            {AppPhotos, 2, tableView<MediaTableView>},
            {AppVideos, 2, tableView<MediaTableView>},
            {SafariBookmarks, 2, tableView<SafariView>},
            {SafariHistory, 2, tableView<SafariView>},
            {AppAudios, 2, tableView<DocsTableView>},
            {AppDocuments, 2, tableView<DocsTableView>},
            {Contacts, 2, tableView<ContactView>},
            {Calendars, 2, tableView<calendarsRemindersView>},
            {Reminders, 2, tableView<calendarsRemindersView>},
            {Notes, 2, [](int typeId) -> AbstractDataView * { return new MemoView(0, typeId); }},
        };
        return table;
    }
}

const DataViewFactory::Row *DataViewFactory::find(int id)
{
    for (const Row &row : rows()) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

AbstractDataView *DataViewFactory::create(int id)
{
    const Row *row = find(id);
    return row && row->create ? row->create(id) : nullptr;
}

void DataViewFactory::registerView(int id, int barType, Creator create)
{
    QList<Row> &table = rows();
    for (int i = 0; i < table.size(); ++i) {
        if (table.at(i).id != id)
            continue;
        if (create)
            table[i] = {id, barType, std::move(create)};
        else
            table.removeAt(i);
        return;
    }
    if (create)
        table.append({id, barType, std::move(create)});
}
