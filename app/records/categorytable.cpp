#include "categorytable.h"

#include "devicedata.h"

#include <idbexecutor.h>

#include <QtGlobal>

using namespace DeviceData;

const QVector<CategoryTable::Row> &CategoryTable::rows()
{
    // The names are the export's folder names, translated where they are shown.
    static const QVector<Row> table = {
        {Contacts, DBAPP_ADDRESSBOOK, QT_TRANSLATE_NOOP("QObject", "Contacts"), 0},
        {Messages, DBAPP_SMS, QT_TRANSLATE_NOOP("QObject", "Messages"), MessagesAttachment},
        {MessagesAttachment, DBAPP_SMS, QT_TRANSLATE_NOOP("QObject", "Messages Attachment"), 0},
        {Voicemails, DBAPP_VOICEMAIL, QT_TRANSLATE_NOOP("QObject", "Voicemails"), 0},
        {VoiceMemos, DBAPP_VOICEMEMO, QT_TRANSLATE_NOOP("QObject", "Voice Memos"), 0},
        //: Category of pictures; also a tab of chat attachments and the name of an exported folder.
        {Photos, DBAPP_PHOTOS, QT_TRANSLATE_NOOP("QObject", "Photos"), 0},
        {AlbumVideos, DBAPP_VIDEO, QT_TRANSLATE_NOOP("QObject", "Videos"), 0},
        {FaceTime, DBAPP_FACETIME, QT_TRANSLATE_NOOP("QObject", "FaceTime"), 0},
        {SafariBookmarks, DBAPP_BOOKMARKS, QT_TRANSLATE_NOOP("QObject", "Safari Bookmarks"), 0},
        {SafariHistory, DBAPP_SAFARI_HISTORY, QT_TRANSLATE_NOOP("QObject", "Safari History"), 0},
        {Notes, DBAPP_NOTES, QT_TRANSLATE_NOOP("QObject", "Notes"), NotesAttachment},
        {NotesAttachment, DBAPP_NOTES, QT_TRANSLATE_NOOP("QObject", "Notes Attachment"), 0},
        {CallHistory, DBAPP_CALL_HISTORY, QT_TRANSLATE_NOOP("QObject", "Call History"), 0},
        {Calendars, DBAPP_CALENDAR, QT_TRANSLATE_NOOP("QObject", "Calendars"), CalendarsAttachment},
        {CalendarsAttachment, DBAPP_CALENDAR, QT_TRANSLATE_NOOP("QObject", "Calendars Attachment"), 0},
        {Reminders, DBAPP_REMINDERS, QT_TRANSLATE_NOOP("QObject", "Reminders"), RemindersAttachment},
        {RemindersAttachment, DBAPP_REMINDERS, QT_TRANSLATE_NOOP("QObject", "Reminders Attachment"), 0},
        {AppPhotos, DBAPP_3RD_IMAGE, QT_TRANSLATE_NOOP("QObject", "App Photos"), 0},
        {AppVideos, DBAPP_3RD_VIDEO, QT_TRANSLATE_NOOP("QObject", "App Videos"), 0},
        {AppAudios, DBAPP_3RD_AUDIO, QT_TRANSLATE_NOOP("QObject", "App Audios"), 0},
        {AppDocuments, DBAPP_3RD_DOCUMENT, QT_TRANSLATE_NOOP("QObject", "App Documents"), 0},
        {WhatsApp, DBAPP_WHATSAPP, QT_TRANSLATE_NOOP("QObject", "WhatsApp"), WhatsAppAttachment},
        {WhatsAppAttachment, DBAPP_WHATSAPP, QT_TRANSLATE_NOOP("QObject", "WhatsApp Attachment"), 0},
        {Line, DBAPP_LINE, QT_TRANSLATE_NOOP("QObject", "LINE"), LineAttachment},
        {LineAttachment, DBAPP_LINE, QT_TRANSLATE_NOOP("QObject", "LINE Attachment"), 0},
    };
    return table;
}

const CategoryTable::Row *CategoryTable::find(int id)
{
    for (const Row &row : rows()) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

bool CategoryTable::isAttachment(int id)
{
    if (id == 0)
        return false;
    for (const Row &row : rows()) {
        if (row.attachmentId == id)
            return true;
    }
    return false;
}

int CategoryTable::engineBit(int id)
{
    const Row *row = find(id);
    return row ? row->engineBit : 0;
}

int CategoryTable::scanBit(int id)
{
    return isAttachment(id) ? 0 : engineBit(id);
}
