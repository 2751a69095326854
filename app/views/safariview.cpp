#include "safariview.h"

#include "checkabletableview.h"
#include "devicedata.h"
#include "safarimodel.h"
#include "safarisortmodel.h"

SafariView::SafariView(int group, int typeId, QWidget *parent)
    : TableDataView(group, new SafariModel(group, typeId), new SafariSortModel(group, typeId), parent)
{
    const bool history = typeId == DeviceData::SafariHistory;
    setColumnWidths({50, 240, history ? 460 : 240});
    static_cast<SafariModel *>(tableModel())->setToolTipFont(tableView()->font());
    tableView()->setAccessibleName(history ? tr("Safari History") : tr("Safari Bookmarks"));
}
