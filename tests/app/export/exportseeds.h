#pragma once

// A small seeded store for the ten table and voice categories: checked and
// unchecked records, hostile texts, attachments present and missing. Files
// the records point at are made under sourceFolder.

#include "devicedata.h"
#include "exporttestsupport.h"

#include <QString>
#include <QVariant>

struct SeedCategory
{
    int id;
    QString name;
    QVariantList records;
    int checked; // records the writers export
};

inline DeviceData::MediaInfo seedMedia(const QString &name, const QString &path)
{
    DeviceData::MediaInfo media;
    media.name = name;
    media.path = path;
    return media;
}

template <typename T>
QVariantList seedList(const QList<T> &records)
{
    QVariantList list;
    for (const T &record : records)
        list << QVariant::fromValue(record);
    return list;
}

inline QList<SeedCategory> seedCategories(const QString &sourceFolder)
{
    using namespace DeviceData;
    QList<SeedCategory> categories;

    ContactInfo ann;
    ann.firstName = "Ann";
    ann.lastName = "Lee";
    ann.sortName = "Ann Lee";
    ann.organization = "Acme; \"Inc\"";
    ann.note = "x\nEND:VCARD\nBEGIN:VCARD\nFN:Fake";
    ann.birthday = "1990-04-01";
    ann.photoPath = makeFile(sourceFolder + "/photos/1", "photo.jpg", "\xff\xd8 ann \xff\xd9");
    ann.phones = {{"_$!<Mobile>!$_", "+1(555)010-0199"}, {"_$!<Home>!$_", "555 0100"}, {"_$!<Home>!$_", "555 0101"}};
    ann.emails = {{"_$!<Home>!$_", "ann@example.com"}};
    ann.addresses = {{"_$!<Home>!$_", "1 Main St<br>Springfield"}};
    ann.urls = {{"_$!<Homepage>!$_", "javascript:alert(1)"}};
    ann.reserved2 = 2;
    ContactInfo skipped;
    skipped.firstName = "Skipped";
    skipped.phones = {{"_$!<Pager>!$_", "1"}};
    ContactInfo bob;
    bob.firstName = "=Bob";
    bob.sortName = "Bob";
    // Same file name as Ann's photo: each contact keeps its own picture.
    bob.photoPath = makeFile(sourceFolder + "/photos/2", "photo.jpg", "\xff\xd8 bob \xff\xd9");
    bob.dates = {{"_$!<Anniversary>!$_", "2010-06-01"}};
    bob.reserved2 = 2;
    ContactInfo carol;
    carol.firstName = "Carol";
    carol.photoPath = sourceFolder + "/photos/missing.jpg";
    carol.reserved2 = 2;
    categories << SeedCategory {Contacts, "Contacts", seedList<ContactInfo>({ann, skipped, bob, carol}), 3};

    CHFTInfo out;
    out.displayName = "Ann \"Boss\" Lee";
    out.value = "+15550100";
    out.dateText = "2024-01-02 03:04:05";
    out.durationText = "00:01:05";
    out.originated = 1;
    out.reserved = 2;
    CHFTInfo unchecked = out;
    unchecked.displayName = "not exported";
    unchecked.reserved = 0;
    CHFTInfo in;
    in.displayName = "-HYPERLINK(\"http://x\")";
    in.value = "";
    in.dateText = "2024-01-03 10:00:00";
    in.durationText = "00:00:00";
    in.reserved = 2;
    categories << SeedCategory {CallHistory, "Call History", seedList<CHFTInfo>({unchecked, out, in}), 2};
    CHFTInfo face = out;
    face.displayName = QString::fromUtf8("李雷");
    face.originated = 0;
    categories << SeedCategory {FaceTime, "FaceTime", seedList<CHFTInfo>({face}), 1};

    NotesInfo note;
    note.title = "Shopping </script>";
    note.body = "milk\nbread \u2028 eggs";
    note.createdText = "2024-02-03 04:05:06";
    note.attachments = {seedMedia("list:1.jpg", makeFile(sourceFolder + "/notes", "n1.jpg", "note picture")),
                        seedMedia("gone.pdf", sourceFolder + "/notes/gone.pdf")};
    note.reserved = 2;
    NotesInfo plain;
    plain.title = "Plain";
    plain.reserved = 2;
    categories << SeedCategory {Notes, "Notes", seedList<NotesInfo>({note, plain}), 2};

    CalenderReminderInfo event;
    event.title = "Trip";
    event.startText = "2024-03-01 09:00";
    event.endText = "2024-03-02 18:00";
    event.notes = "bring \"passport\"";
    event.attachments = {seedMedia("a.jpg", makeFile(sourceFolder + "/cal/1", "a.jpg", "first")),
                         seedMedia("a.jpg", makeFile(sourceFolder + "/cal/2", "a.jpg", "second"))};
    event.reserved = 2;
    CalenderReminderInfo bare;
    bare.title = "Bare";
    bare.reserved = 2;
    categories << SeedCategory {Calendars, "Calendars", seedList<CalenderReminderInfo>({event, bare}), 2};

    CalenderReminderInfo high;
    high.title = "Call mum";
    high.startText = "2024-04-01";
    high.endText = "2024-04-02";
    high.location = "Home";
    high.listName = "Family";
    high.url = "https://example.com/r?a=1&b=2";
    high.priority = 5;
    high.completed = 1;
    high.reserved = 2;
    CalenderReminderInfo none = high;
    none.title = "@later";
    none.priority = 0;
    none.completed = 0;
    none.url = "";
    categories << SeedCategory {Reminders, "Reminders", seedList<CalenderReminderInfo>({high, none}), 2};

    SafariInfo bookmark;
    bookmark.title = "Example";
    bookmark.url = "https://example.com/";
    bookmark.text3 = "Favorites";
    bookmark.timeText = "";
    bookmark.reserved = 2;
    SafariInfo script = bookmark;
    script.title = "<img src=x onerror=alert(1)>";
    script.url = "javascript:alert(document.cookie)";
    categories << SeedCategory {SafariBookmarks, "Safari Bookmarks", seedList<SafariInfo>({bookmark, script}), 2};

    SafariInfo visit;
    visit.title = "\"]};alert(1)//";
    visit.url = "http://example.org/a b";
    visit.timeText = "2024-05-06 07:08:09";
    visit.reserved = 2;
    categories << SeedCategory {SafariHistory, "Safari History", seedList<SafariInfo>({visit}), 1};

    VMMInfo memo;
    memo.title = "Idea: song";
    memo.path = makeFile(sourceFolder + "/memos", "20240101 120000.m4a", "memo audio");
    memo.dateText = "2024-01-01 12:00:00";
    memo.durationText = "00:00:42";
    memo.sizeText = "10B";
    memo.reserved = 2;
    categories << SeedCategory {VoiceMemos, "Voice Memos", seedList<VMMInfo>({memo}), 1};

    VMMInfo mail;
    mail.title = "Dentist";
    mail.sender = "+15550123";
    mail.path = makeFile(sourceFolder + "/voicemail", "7.amr", "voicemail audio");
    mail.dateText = "2024-01-05 08:00:00";
    mail.durationText = "00:00:12";
    mail.sizeText = "15B";
    mail.reserved = 2;
    VMMInfo lost = mail;
    lost.title = "Lost";
    lost.path = sourceFolder + "/voicemail/8.amr";
    categories << SeedCategory {Voicemails, "Voicemails", seedList<VMMInfo>({mail, lost}), 2};

    return categories;
}
