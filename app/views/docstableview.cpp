#include "docstableview.h"

#include "checkabletableview.h"
#include "devicedata.h"
#include "docsproxymodel.h"
#include "docstablemodel.h"

DocsTableView::DocsTableView(int group, int typeId, QWidget *parent)
    : DocsTableView(group, new DocsTableModel(group, typeId), new DocsProxyModel(group, typeId), parent)
{
    tableView()->setAccessibleName(typeId == DeviceData::AppAudios ? tr("App Audios") : tr("App Documents"));
}

DocsTableView::DocsTableView(int group, DocsTableModel *model, DocsProxyModel *proxy, QWidget *parent)
    : TableDataView(group, model, proxy, parent)
{
    setColumnWidths({50, 600, 160});
    model->setToolTipFont(tableView()->font());
}
