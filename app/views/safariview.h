#pragma once

#include "tabledataview.h"

// The view of Safari Bookmarks (128) and Safari History (256): a checkable
// table of the pages with their title and URL, and the bookmark's folder or
// the visit's date.
class SafariView : public TableDataView
{
    Q_OBJECT

public:
    SafariView(int group, int typeId, QWidget *parent = nullptr);
};
