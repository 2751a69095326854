#include "voicemailmemoview.h"

#include "checkabletableview.h"
#include "devicedata.h"
#include "voicemailmemomodel.h"
#include "voicemailmemosortmodel.h"

VoiceMailMemoView::VoiceMailMemoView(int group, int typeId, QWidget *parent)
    : TableDataView(group, new VoiceMailMemoModel(group, typeId), new VoiceMailMemoSortModel(group, typeId), parent)
{
    setColumnWidths({50, 260, 260, 260, 120});
    tableView()->setAccessibleName(typeId == DeviceData::VoiceMemos ? tr("Voice Memos") : tr("Voicemails"));
}
