#pragma once

#include "medialistmodel.h"

// The model of a chat attachment grid: MediaListModel, answering RecordRole
// with the record as well.
class MediaV1ListModel : public MediaListModel
{
    Q_OBJECT

public:
    explicit MediaV1ListModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
