#include "mediav1tableview.h"

#include "devicedata.h"
#include "deviceparser.h"
#include "medialistmodel.h"
#include "mediav1itemdelegate.h"
#include "mediav1listmodel.h"
#include "mediav1proxymodel.h"
#include "recordaccess.h"

#include <QListView>

MediaV1TableView::MediaV1TableView(int group, int kind, QWidget *parent)
    : MediaV1TableView(group, kind, new MediaV1ProxyModel(group, kind), parent)
{
}

MediaV1TableView::MediaV1TableView(int group, int kind, MediaV1ProxyModel *proxy, QWidget *parent)
    : MediaTableView(group, kind, new MediaV1ListModel, proxy, new MediaV1ItemDelegate(kind, proxy), parent)
{
    setAnnouncesListChanges(false);
    listView()->setAccessibleName(kind == DeviceData::VideoKind ? tr("Videos") : tr("Photos"));
}

int MediaV1TableView::recordCount() const
{
    return mediaModel()->recordCount();
}

void MediaV1TableView::countExistingDeleted(int &existing, int &deleted) const
{
    for (const QVariant &record : mediaModel()->records()) {
        if (DeviceData::isDeleted(record))
            ++deleted;
        else
            ++existing;
    }
}

void MediaV1TableView::showFiltrationDialog()
{
}

void MediaV1TableView::showCurrent()
{
}

QList<QVariant> MediaV1TableView::storedRecords() const
{
    return DeviceParser::instance()->sessionRecords(group(), typeId());
}

void MediaV1TableView::storeRecord(int row, const QVariant &record)
{
    DeviceParser::instance()->setSessionRecord(group(), typeId(), row, record);
}

void MediaV1TableView::storeRecords(const QList<QVariant> &records)
{
    DeviceParser::instance()->setSessionRecords(group(), typeId(), records);
}

int MediaV1TableView::shownAfterCheckingAll() const
{
    return mediaModel()->recordCount();
}
