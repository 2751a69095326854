#pragma once

#include "categorysortmodel.h"

// The proxy of the Safari views: CategorySortModel's filter over columns 1
// to 3 and its order; history compares its Date column by time.
class SafariSortModel : public CategorySortModel
{
    Q_OBJECT

public:
    SafariSortModel(int group, int typeId, QObject *parent = nullptr);
};
