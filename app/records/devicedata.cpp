#include "devicedata.h"

#include <idbexecutor.h>

#include <QHash>

namespace DeviceData {

int engineCategoryOf(int dataCategory)
{
    static const QHash<int, int> map = {
        {Contacts, DBAPP_ADDRESSBOOK},
        {Messages, DBAPP_SMS},
        {MessagesAttachment, DBAPP_SMS},
        {Voicemails, DBAPP_VOICEMAIL},
        {VoiceMemos, DBAPP_VOICEMEMO},
        {Photos, DBAPP_PHOTOS},
        {AlbumVideos, DBAPP_VIDEO},
        {FaceTime, DBAPP_FACETIME},
        {SafariBookmarks, DBAPP_BOOKMARKS},
        {SafariHistory, DBAPP_SAFARI_HISTORY},
        {Notes, DBAPP_NOTES},
        {NotesAttachment, DBAPP_NOTES},
        {CallHistory, DBAPP_CALL_HISTORY},
        {Calendars, DBAPP_CALENDAR},
        {CalendarsAttachment, DBAPP_CALENDAR},
        {Reminders, DBAPP_REMINDERS},
        {RemindersAttachment, DBAPP_REMINDERS},
        {AppPhotos, DBAPP_3RD_IMAGE},
        {AppVideos, DBAPP_3RD_VIDEO},
        {AppAudios, DBAPP_3RD_AUDIO},
        {AppDocuments, DBAPP_3RD_DOCUMENT},
        {WhatsApp, DBAPP_WHATSAPP},
        {WhatsAppAttachment, DBAPP_WHATSAPP},
        {Line, DBAPP_LINE},
        {LineAttachment, DBAPP_LINE},
    };
    return map.value(dataCategory, 0);
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
