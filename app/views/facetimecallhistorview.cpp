#include "facetimecallhistorview.h"

#include "checkabletableview.h"
#include "devicedata.h"
#include "facetimecallhistormodel.h"
#include "facetimecallhistorsortmodel.h"

FaceTimeCallHistorView::FaceTimeCallHistorView(int group, int typeId, QWidget *parent)
    : TableDataView(group, new FaceTimeCallHistorModel(group, typeId), new FaceTimeCallHistorSortModel(group, typeId),
                    parent)
{
    setColumnWidths({50, 190, 190, 190, 160});
    tableView()->setAccessibleName(typeId == DeviceData::FaceTime ? tr("FaceTime") : tr("Call History"));
}
