#pragma once

#include "tabledataview.h"

// The view of Call History (1024) and FaceTime (64): a checkable table of
// the calls with their name, number, date, call type and duration.
class FaceTimeCallHistorView : public TableDataView
{
    Q_OBJECT

public:
    FaceTimeCallHistorView(int group, int typeId, QWidget *parent = nullptr);
};
