#pragma once

#include "categorysortmodel.h"

// The proxy of the voicemail and voice memo views: CategorySortModel's filter
// over columns 1 to 4 and its order, the date column compared by date.
class VoiceMailMemoSortModel : public CategorySortModel
{
    Q_OBJECT

public:
    VoiceMailMemoSortModel(int group, int typeId, QObject *parent = nullptr);
};
