#include "safarisortmodel.h"

SafariSortModel::SafariSortModel(int group, int typeId, QObject *parent)
    : CategorySortModel(group, typeId, parent)
{
}
