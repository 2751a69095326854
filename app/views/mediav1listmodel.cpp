#include "mediav1listmodel.h"

#include "itemroles.h"

MediaV1ListModel::MediaV1ListModel(QObject *parent)
    : MediaListModel(parent)
{
}

QVariant MediaV1ListModel::data(const QModelIndex &index, int role) const
{
    return MediaListModel::data(index, role == RecordRole ? int(Qt::DisplayRole) : role);
}
