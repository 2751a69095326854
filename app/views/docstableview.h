#pragma once

#include "tabledataview.h"

class DocsProxyModel;
class DocsTableModel;

// The view of App Audios (32768) and App Documents (65536): a checkable
// table of the files with their name, format and size.
class DocsTableView : public TableDataView
{
    Q_OBJECT

public:
    DocsTableView(int group, int typeId, QWidget *parent = nullptr);

protected:
    // For the pages that keep their records elsewhere in the store.
    DocsTableView(int group, DocsTableModel *model, DocsProxyModel *proxy, QWidget *parent);
};
