#pragma once

#include "categorysortmodel.h"

// The proxy of the call views: CategorySortModel's filter over columns 1 to 5
// and its order, with the Date column (3) compared by time.
class FaceTimeCallHistorSortModel : public CategorySortModel
{
    Q_OBJECT

public:
    FaceTimeCallHistorSortModel(int group, int typeId, QObject *parent = nullptr);
};
