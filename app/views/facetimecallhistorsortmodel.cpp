#include "facetimecallhistorsortmodel.h"

FaceTimeCallHistorSortModel::FaceTimeCallHistorSortModel(int group, int typeId, QObject *parent)
    : CategorySortModel(group, typeId, parent)
{
}
