#pragma once

// The records the iCloud library hands to its record callback, one layout per
// data kind and sub-kind. The library owns them; they are valid only during
// the call. Texts are wide strings.

#include <cstdint>
#include <string>

namespace Cirrane
{
    // Kinds 1 (photos) and 2 (videos).
    struct STMedia
    {
        uint8_t deleted = 0;
        int64_t size = 0;
        int64_t date = 0; // in any unit the timestamp rules recognise
        std::wstring fileName;
        std::wstring localPath;
        std::wstring previewPath;
    };
    using pSTMedia = STMedia *;

    // Kind 4, sub-kind 0.
    struct STContacts
    {
        int32_t contactId = 0;
        std::wstring firstName;
        std::wstring middleName;
        std::wstring lastName;
        std::wstring birthday; // "yyyy-MM-dd"; the year 1604 stands for none
    };
    using pSTContacts = STContacts *;

    // Kind 4, sub-kind 1: one labelled value of a contact.
    struct STContactsInfo
    {
        int32_t contactId = 0;
        int32_t kind = 0;
        std::wstring label;
        std::wstring value;
    };
    using pSTContactsInfo = STContactsInfo *;

    // Kind 5, sub-kind 0. Dates are the decimal number yyyyMMddhhmm, 0 when absent.
    struct STCalendarEvent
    {
        int32_t eventId = 0;
        std::wstring title;
        std::wstring notes;
        std::wstring location;
        int64_t start = 0;
        int64_t end = 0;
    };
    using pSTCalendarEvent = STCalendarEvent *;

    // Kind 5, sub-kind 1.
    struct STCalendarAttachment
    {
        int32_t eventId = 0;
        std::wstring name;
        std::wstring localPath;
        int32_t size = 0;
    };
    using pSTCalendarAttachment = STCalendarAttachment *;

    // Kind 6.
    struct STNotes
    {
        int32_t noteId = 0;
        int32_t deleted = 0; // its low byte is the flag
        int64_t created = 0;
        std::wstring title;
        std::wstring body;
        std::wstring attachmentName;
        std::wstring attachmentPath;
    };
    using pSTNotes = STNotes *;

    // Kind 7, sub-kind 0.
    struct STReminders
    {
        int32_t reminderId = 0;
        uint8_t deleted = 0;
        uint8_t completed = 0;
        uint16_t priority = 0;
        int64_t start = 0;
        int64_t end = 0;
        std::wstring listName;
        std::wstring title;
        std::wstring notes;
    };
    using pSTReminders = STReminders *;

    // Kind 7, sub-kind 1.
    struct STRemindersAttachment
    {
        int32_t reminderId = 0;
        std::wstring name;
        std::wstring localPath;
    };
    using pSTRemindersAttachment = STRemindersAttachment *;

    // Kind 7, sub-kind 2.
    struct STRemindersAlarmTrigger
    {
        int32_t reminderId = 0;
        std::wstring title;
    };
    using pSTRemindersAlarmTrigger = STRemindersAlarmTrigger *;
}
