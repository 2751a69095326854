#include "voicemailmemosortmodel.h"

VoiceMailMemoSortModel::VoiceMailMemoSortModel(int group, int typeId, QObject *parent)
    : CategorySortModel(group, typeId, parent)
{
}
