#include "devicedata.h"

#include "categorytable.h"

namespace DeviceData {

int engineCategoryOf(int dataCategory)
{
    return CategoryTable::engineBit(dataCategory);
}

template <typename T>
static void registerRecord(const char *name, const char *listName)
{
    qRegisterMetaType<T>(name);
    qRegisterMetaType<QList<T>>(listName);
}

void registerMetaTypes()
{
    qRegisterMetaType<GroupType>("DeviceData::GroupType");
    qRegisterMetaType<QVector<int>>("QVector<int>");
    registerRecord<SMSInfo>("DeviceData::SMSInfo", "QList<DeviceData::SMSInfo>");
    registerRecord<SMSSessionInfo>("DeviceData::SMSSessionInfo", "QList<DeviceData::SMSSessionInfo>");
    registerRecord<ContactInfo>("DeviceData::ContactInfo", "QList<DeviceData::ContactInfo>");
    registerRecord<CHFTInfo>("DeviceData::CHFTInfo", "QList<DeviceData::CHFTInfo>");
    registerRecord<SafariInfo>("DeviceData::SafariInfo", "QList<DeviceData::SafariInfo>");
    registerRecord<VMMInfo>("DeviceData::VMMInfo", "QList<DeviceData::VMMInfo>");
    registerRecord<MediaInfo>("DeviceData::MediaInfo", "QList<DeviceData::MediaInfo>");
    registerRecord<NotesInfo>("DeviceData::NotesInfo", "QList<DeviceData::NotesInfo>");
    registerRecord<CalenderReminderInfo>("DeviceData::CalenderReminderInfo",
                                         "QList<DeviceData::CalenderReminderInfo>");
    registerRecord<DocumentInfo>("DeviceData::DocumentInfo", "QList<DeviceData::DocumentInfo>");
    registerRecord<LineSessionInfo>("DeviceData::LineSessionInfo", "QList<DeviceData::LineSessionInfo>");
    registerRecord<WaSessionInfo>("DeviceData::WaSessionInfo", "QList<DeviceData::WaSessionInfo>");
    registerRecord<LineInfo>("DeviceData::LineInfo", "QList<DeviceData::LineInfo>");
    registerRecord<WaMessageInfo>("DeviceData::WaMessageInfo", "QList<DeviceData::WaMessageInfo>");
    registerRecord<Vx::DataItemInfo>("Vx::DataItemInfo", "QList<Vx::DataItemInfo>");
}

} // namespace DeviceData
