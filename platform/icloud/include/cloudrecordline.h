#pragma once

// One iCloud record written as a JSON object, as the store's dump replays a
// download and as the scripted library delivers one:
// {"kind":K,"subKind":S,"record":{fields named as in cirranerecords.h}}.

#include "cirranerecords.h"

#include <QByteArray>
#include <QString>

#include <variant>

struct CloudRecordLine
{
    int kind = 0;
    int subKind = 0;
    std::variant<std::monostate, Cirrane::STMedia, Cirrane::STContacts, Cirrane::STContactsInfo, Cirrane::STCalendarEvent,
                 Cirrane::STCalendarAttachment, Cirrane::STNotes, Cirrane::STReminders, Cirrane::STRemindersAttachment,
                 Cirrane::STRemindersAlarmTrigger>
        record;

    // The record in the library's layout; null for "record":null or a kind
    // and sub-kind without a layout.
    const void *data() const;
};

// False, with the reason, when the line is not such an object.
bool parseCloudRecordLine(const QByteArray &line, CloudRecordLine &out, QString *error = nullptr);
// {"end":K}: true with the kind.
bool parseCloudEndLine(const QByteArray &line, int &kind);
