#pragma once

#include "tabledataview.h"

// The view of the voicemails (4) and voice memos (8): a checkable table
// whose columns depend on the category.
class VoiceMailMemoView : public TableDataView
{
    Q_OBJECT

public:
    VoiceMailMemoView(int group, int typeId, QWidget *parent = nullptr);
};
