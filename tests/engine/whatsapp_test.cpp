#include "backupbuilder.h"
#include "chatstoragebuilder.h"
#include "recordjson.h"
#include "scanrecorder.h"

#include <cjson/cJSON.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

using namespace testsupport;

namespace
{
    constexpr int WhatsApp = DBAPP_WHATSAPP;
    using Chat = ChatStorageBuilder;
    using Json = std::shared_ptr<cJSON>;

    Json parse(const std::string &text)
    {
        return Json(cJSON_Parse(text.c_str()), cJSON_Delete);
    }

    std::string str(const cJSON *object, const char *key)
    {
        const cJSON *item = cJSON_GetObjectItemCaseSensitive(object, key);
        return cJSON_IsString(item) ? item->valuestring : "<not a string>";
    }

    double num(const cJSON *object, const char *key)
    {
        const cJSON *item = cJSON_GetObjectItemCaseSensitive(object, key);
        return cJSON_IsNumber(item) ? item->valuedouble : -12345;
    }

    const cJSON *quotedOf(const cJSON *message)
    {
        const cJSON *quoted = cJSON_GetObjectItemCaseSensitive(message, "quoted");
        return cJSON_IsObject(quoted) ? quoted : nullptr;
    }

    // The records of one scan by sub-type, messages also by pk.
    struct Scan
    {
        std::vector<std::string> lines;
        std::map<int, std::vector<Json>> records;
        std::map<int, Json> messages;

        const cJSON *message(int pk) const
        {
            const auto found = messages.find(pk);
            return found == messages.end() ? nullptr : found->second.get();
        }
    };

    Scan collect(std::vector<std::string> lines)
    {
        Scan scan;
        scan.lines = std::move(lines);
        for (const std::string &line : scan.lines) {
            const Json event = parse(line);
            if (num(event.get(), "status") != DBSTATUS_RECORD)
                continue;
            const int value = int(num(event.get(), "value"));
            Json record(event, cJSON_GetObjectItemCaseSensitive(event.get(), "record"));
            scan.records[value].push_back(record);
            if (value == 3)
                scan.messages[int(num(record.get(), "pk"))] = record;
        }
        return scan;
    }

    void keep(const int *status, int kind, int value, const void *record, void *user)
    {
        static_cast<std::vector<std::string> *>(user)->push_back(EventToJson(*status, kind, value, record));
    }

    // Scans in process as the main program does: the owner is read first.
    Scan scanWithOwner(const std::string &backup, const std::string &out)
    {
        IDBExecutor *raw = nullptr;
        if (!InitDBExecutor(&raw))
            return {};
        std::unique_ptr<IDBExecutor> executor(raw);
        executor->GetWhatsAppOwner(widen(backup));
        DBExecutorParam param;
        param.backupPath = widen(backup);
        param.outputDir = widen(out);
        param.mode = DBMODE_BACKUP;
        param.categoryMask = WhatsApp;
        executor->SetParam(param);
        std::vector<std::string> lines;
        executor->SetCallback(keep, &lines);
        executor->Start();
        return collect(lines);
    }

    Scan scanTool(const std::string &backup, const std::string &out)
    {
        int exitCode = -1;
        const std::string printed = runCommand(std::string(VARDEX_SCAN_PATH) + " --backup " + shellQuote(backup) +
                                                   " --mask 0x80000 --out " + shellQuote(out),
                                               &exitCode);
        EXPECT_EQ(exitCode, 0);
        return collect(splitLines(printed));
    }

    std::string realChatStorage()
    {
        const char *realdata = std::getenv("QUENROW_REALDATA");
        if (!realdata || !*realdata)
            return {};
        return std::string(realdata) + "/whatsapp/ChatStorage-ios15.sqlite";
    }

    std::string stanza(int pk)
    {
        return "3A" + std::to_string(1000 + pk);
    }
}

TEST(WhatsAppScan, RealIos15ChatStorage)
{
    const std::string source = realChatStorage();
    ASSERT_TRUE(std::filesystem::exists(source)) << "missing real database: " << source;
    BackupBuilder backup(freshFolder("wa-real"));
    backup.addFile(Chat::Domain, Chat::RelativePath, readFile(source));
    backup.write();
    const auto before = snapshot(backup.folder());
    const Scan scan = scanTool(backup.folder(), freshFolder("wa-real-out"));
    EXPECT_EQ(snapshot(backup.folder()), before);

    // Begin, category begin, the records of queries 0 to 3 in order, category end, end.
    ASSERT_GE(scan.lines.size(), 4u);
    EXPECT_EQ(scan.lines[0], progressLine(DBPROGRESS_SCAN_BEGIN, 0));
    EXPECT_EQ(scan.lines[1], progressLine(DBPROGRESS_CATEGORY_BEGIN, WhatsApp));
    EXPECT_EQ(scan.lines[scan.lines.size() - 2], progressLine(DBPROGRESS_CATEGORY_END, WhatsApp));
    EXPECT_EQ(scan.lines.back(), progressLine(DBPROGRESS_SCAN_END, 0));
    int lastValue = 0;
    for (size_t i = 2; i + 2 < scan.lines.size(); ++i) {
        const Json event = parse(scan.lines[i]);
        const int value = int(num(event.get(), "value"));
        EXPECT_GE(value, lastValue) << scan.lines[i];
        lastValue = value;
    }
    ASSERT_EQ(scan.records.at(0).size(), 1u);
    EXPECT_EQ(scan.records.at(1).size(), 8u);
    EXPECT_EQ(scan.records.at(2).size(), 5u);
    EXPECT_EQ(scan.records.at(3).size(), 32u);

    const cJSON *pushName = scan.records.at(0)[0].get();
    EXPECT_EQ(str(pushName, "jid"), "19198887386@s.whatsapp.net");
    EXPECT_EQ(str(pushName, "number"), "19198887386");
    EXPECT_EQ(str(pushName, "pushName"), "DFIR Two");

    ASSERT_TRUE(scan.message(2) && scan.message(4) && scan.message(16) && scan.message(21) && scan.message(31));
    EXPECT_EQ(str(scan.message(2), "text"), "You created group \"Our Test Group\"");
    EXPECT_EQ(num(scan.message(2), "isSystemText"), 1);
    EXPECT_EQ(str(scan.message(4), "text"), "You was added ");

    const cJSON *reply = scan.message(16);
    EXPECT_EQ(num(reply, "hasQuote"), 1);
    const cJSON *quoted = quotedOf(reply);
    ASSERT_TRUE(quoted);
    EXPECT_EQ(num(quoted, "pk"), 15);
    EXPECT_EQ(str(quoted, "text"), str(scan.message(15), "text"));
    EXPECT_EQ(num(quoted, "isFromMe"), 1);
    EXPECT_EQ(num(scan.message(15), "isFromMe"), 0);
    EXPECT_EQ(num(quoted, "date"), num(reply, "date") - 1);
    EXPECT_TRUE(cJSON_IsNull(cJSON_GetObjectItemCaseSensitive(quoted, "quoted")));

    EXPECT_EQ(str(scan.message(21), "title"), "d041d159-fd7d-4abb-9192-0e97c10ddb00.jpg");
    EXPECT_EQ(str(scan.message(21), "mediaFile"), "");
    EXPECT_EQ(num(scan.message(21), "fileSize"), 42073);
    EXPECT_NEAR(num(scan.message(31), "latitude"), 35.6425, 1e-3);
    EXPECT_LT(num(scan.message(31), "longitude"), -78);
}

TEST(WhatsAppScan, GroupEventSentences)
{
    struct Case
    {
        int type;
        int event;
        int member; // 0 none, 1 a member with push name, 2 one without
        int session;
        std::string text;
        std::string sentence; // "" when the text stays as it is
    };
    const std::string ann = "111@s.whatsapp.net";
    const std::string nameless = "222@s.whatsapp.net";
    const std::string all = "5550001@s.whatsapp.net;" + ann + "," + nameless + ",333@s.whatsapp.net";
    const std::vector<Case> cases = {
        {6, 2, 2, 1, "", "222 was added "},
        {10, 2, 2, 1, ann, "Ann added 222"},
        {6, 2, 0, 1, "", "You was added "},
        {6, 3, 1, 1, "", "Ann left"},
        {6, 4, 1, 1, "", "Ann changed this group's icon"},
        {6, 7, 2, 1, "999@s.whatsapp.net", "somebody removed 222"},
        {6, 8, 0, 1, "5", "You create a broadcast list whith 5 recipients"},
        {6, 10, 1, 1, "", "Ann became an admin"},
        {6, 11, 1, 1, "", "Ann became an non-admin"},
        {6, 12, 1, 1, "{\"subject\":\"Trip \\\"23\\\"\"}", "Ann created group \"Trip \"23\"\""},
        {6, 12, 1, 1, "{\"subject\":\"\"}", "Ann created group \"{\"subject\":\"\"}\""},
        {6, 12, 0, 1, "Plain subject", "You created group \"Plain subject\""},
        {6, 12, 0, 1, "", "You created group \"Family\""},
        {6, 15, 2, 1, "", "222 joined using this group's invite link"},
        {6, 17, 1, 1, "Be nice", "Ann changed the group description to \"Be nice\""},
        {6, 18, 1, 1, "", "Ann changed this group's settings to allow only admins to edit this groups's info"},
        {6, 19, 1, 1, "", "Ann changed this group's settings to allow all participants to edit this group's info"},
        {6, 20, 1, 1, "", "Ann changed this group's settings to allow only admins to send messages to this group"},
        {6, 21, 1, 1, "",
         "Ann changed this group's settings to allow all participants to send messages to this group"},
        {6, 26, 1, 1, "", "Ann turned off disappearing messages"},
        {6, 26, 1, 1, "86400",
         "Ann turned on disappearing messages. All new messages will disappear from this chat 24 hours after "
         "they're sent"},
        {6, 40, 1, 1, "", "Ann started a call"},
        {6, 41, 0, 1, "", "You started a video call"},
        {6, 50, 0, 1, all, "Adder Name added Ann,222 and 333"},
        {6, 50, 0, 1, "444@s.whatsapp.net;" + ann, "444 added Ann"},
        {6, 50, 0, 1, "19195550199@s.whatsapp.net;" + ann + "," + nameless, "You added Ann and 222"},
        {6, 50, 0, 1, ann, "somebody was added "},
        {6, 50, 0, 1, "444@s.whatsapp.net;", "somebody was added "},
        {6, 50, 0, 1, "ann'o@s.whatsapp.net;bo'd@s.whatsapp.net,19198887386@s.whatsapp.net,333@s.whatsapp.net",
         "Ann O'Hara added Bo D'Arcy,DFIR Two and 333"},
        // The previous subject is the last one set before, in the same chat.
        {6, 1, 0, 3, "Second", "You change the subject \"\" to \"Second\""},
        {0, 12, 0, 2, "Not an event", ""},
        {6, 12, 0, 2, "First", "You created group \"First\""},
        {6, 1, 1, 2, "Second", "Ann change the subject \"First\" to \"Second\""},
        {6, 1, 2, 2, "Third", "222 change the subject \"Second\" to \"Third\""},
        {6, 5, 1, 1, "Unknown event", ""},
        {0, 2, 1, 1, "Plain text with an event number", ""},
    };

    Chat chat;
    chat.addPushName(ann, "Ann");
    chat.addPushName("bo'd@s.whatsapp.net", "Bo D'Arcy");
    chat.addPushName("19198887386@s.whatsapp.net", "DFIR Two");
    const int family = chat.addSession("g1@g.us", "Family", 1);
    chat.addSession("g2@g.us", "Renamed", 1);
    chat.addSession("g3@g.us", "Fresh", 1);
    chat.addSession("5550001@s.whatsapp.net", "Adder Name");
    chat.addSession("ann'o@s.whatsapp.net", "Ann O'Hara");
    const int withName = chat.addGroupMember(family, ann);
    const int withoutName = chat.addGroupMember(family, nameless);
    for (size_t i = 0; i < cases.size(); ++i) {
        Chat::Message m;
        m.type = cases[i].type;
        m.groupEventType = cases[i].event;
        m.groupMember = cases[i].member == 1 ? withName : cases[i].member == 2 ? withoutName : 0;
        m.session = cases[i].session;
        m.text = cases[i].text;
        m.date = 1000 + double(i);
        m.fromJid = "g1@g.us";
        EXPECT_EQ(chat.addMessage(m), int(i) + 1);
    }
    BackupBuilder backup(freshFolder("wa-events"));
    chat.addTo(backup);
    Chat::addOwner(backup, "19195550199@s.whatsapp.net");
    backup.write();

    const Scan scan = scanWithOwner(backup.folder(), freshFolder("wa-events-out"));
    ASSERT_EQ(scan.messages.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        const cJSON *message = scan.message(int(i) + 1);
        const Case &c = cases[i];
        const bool system = !c.sentence.empty();
        EXPECT_EQ(str(message, "text"), system ? c.sentence : c.text) << "case " << i + 1;
        EXPECT_EQ(num(message, "isSystemText"), system ? 1 : 0) << "case " << i + 1;
    }
    // The sender of a group message is its member.
    EXPECT_EQ(str(scan.message(1), "peerJid"), nameless);
    EXPECT_EQ(str(scan.message(3), "peerJid"), "g1@g.us");
}

TEST(WhatsAppScan, DroppedEventsAndDates)
{
    Chat chat;
    const int session = chat.addSession("5550002@s.whatsapp.net", "Bea");
    Chat::Message m;
    m.session = session;
    m.text = "hidden";
    m.groupEventType = 9;
    chat.addMessage(m);
    m.groupEventType = 0;
    m.text = "epoch";
    m.toJid = "5550002@s.whatsapp.net";
    m.fromJid = "me@s.whatsapp.net";
    chat.addMessage(m);
    m.date = 704735807.75;
    m.isFromMe = 1;
    m.starred = 1;
    m.status = 8;
    m.mediaSectionId = "2023-05";
    chat.addMessage(m);
    BackupBuilder backup(freshFolder("wa-dates"));
    chat.addTo(backup);
    backup.write();

    const Scan scan = scanTool(backup.folder(), freshFolder("wa-dates-out"));
    EXPECT_EQ(scan.messages.size(), 2u);
    EXPECT_FALSE(scan.message(1));
    ASSERT_TRUE(scan.message(2) && scan.message(3));
    EXPECT_EQ(num(scan.message(2), "date"), 978307200000.0);
    EXPECT_EQ(str(scan.message(2), "peerJid"), "5550002@s.whatsapp.net");
    EXPECT_EQ(str(scan.message(2), "sessionName"), "Bea");
    EXPECT_EQ(num(scan.message(3), "date"), (704735807.0 + 978307200.0) * 1000);
    EXPECT_EQ(num(scan.message(3), "starred"), 1);
    EXPECT_EQ(num(scan.message(3), "messageStatus"), 8);
    EXPECT_EQ(str(scan.message(3), "mediaSectionId"), "2023-05");
}

TEST(WhatsAppScan, QuoteChainsAreBoundedAndNeverLoop)
{
    Chat chat;
    const int session = chat.addSession("5550003@s.whatsapp.net", "Cy");
    auto add = [&](const std::string &stanzaId, const std::optional<std::string> &metadata) {
        Chat::Message m;
        m.session = session;
        m.stanzaId = stanzaId;
        m.text = "message " + stanzaId;
        m.date = 2000;
        if (!metadata)
            return chat.addMessage(m);
        Chat::MediaItem item;
        item.metadata = metadata;
        return chat.addMessage(m, item);
    };
    // Eleven replies, each quoting the one before: pks 1 to 11.
    add(stanza(1), std::nullopt);
    for (int pk = 2; pk <= 11; ++pk)
        add(stanza(pk), Chat::quoteMetadata(stanza(pk - 1)));
    // 12 and 13 quote each other; 14 quotes itself.
    add(stanza(12), Chat::quoteMetadata(stanza(13)));
    add(stanza(13), Chat::quoteMetadata(stanza(12)));
    add(stanza(14), Chat::quoteMetadata(stanza(14)));
    const int apostrophe = add("Q'130", std::nullopt);
    const int findsIt = add(stanza(16), Chat::quoteMetadata("Q'130"));
    // Metadata of 32 bytes, a blob ending in '*', a length past the end, an
    // id longer than 40, a '*' only after the text's zero byte; 33 bytes do quote.
    const std::string id = "Q'130";
    const std::string head = "*" + std::string(1, char(id.size())) + id;
    const int exactly32 = add(stanza(17), head + std::string(32 - head.size(), 'x'));
    const int of33 = add(stanza(18), head + std::string(33 - head.size(), 'x'));
    const int endsInStar = add(stanza(19), std::string(40, 'x') + "*");
    const int pastEnd = add(stanza(20), "*" + std::string(1, char(40)) + id + std::string(26, 'x'));
    const std::string longId(41, 'L');
    add(longId, std::nullopt);
    const int tooLong = add(stanza(22), "*" + std::string(1, char(41)) + longId + std::string(10, 'x'));
    const int afterZero = add(stanza(23), std::string(20, 'x') + '\0' + head + std::string(10, 'x'));

    BackupBuilder backup(freshFolder("wa-quotes"));
    chat.addTo(backup);
    backup.write();
    const Scan scan = scanWithOwner(backup.folder(), freshFolder("wa-quotes-out"));

    int levels = 0;
    for (const cJSON *q = quotedOf(scan.message(11)); q; q = quotedOf(q)) {
        ++levels;
        EXPECT_EQ(num(q, "pk"), 11 - levels);
        EXPECT_EQ(num(q, "hasQuote"), quotedOf(q) ? 1 : 0);
    }
    EXPECT_EQ(levels, 8);

    for (const auto &[outer, inner] : {std::pair {12, 13}, std::pair {13, 12}}) {
        const cJSON *quoted = quotedOf(scan.message(outer));
        ASSERT_TRUE(quoted) << outer;
        EXPECT_EQ(num(quoted, "pk"), inner);
        EXPECT_EQ(num(quoted, "hasQuote"), 0);
        EXPECT_FALSE(quotedOf(quoted));
    }
    EXPECT_FALSE(quotedOf(scan.message(14)));
    EXPECT_EQ(num(scan.message(14), "hasQuote"), 0);

    for (int pk : {findsIt, of33}) {
        const cJSON *quoted = quotedOf(scan.message(pk));
        ASSERT_TRUE(quoted) << pk;
        EXPECT_EQ(num(quoted, "pk"), apostrophe);
    }
    for (int pk : {exactly32, endsInStar, pastEnd, tooLong, afterZero}) {
        EXPECT_FALSE(quotedOf(scan.message(pk))) << pk;
        EXPECT_EQ(num(scan.message(pk), "hasQuote"), 0) << pk;
    }
}

TEST(WhatsAppScan, MediaFilesThumbnailsAndContactCards)
{
    Chat chat;
    const int session = chat.addSession("5550004@s.whatsapp.net", "Di");
    Chat::Message picture;
    picture.type = 1;
    picture.session = session;
    auto media = [](const std::string &local, const std::string &thumb) {
        Chat::MediaItem item;
        item.localPath = local;
        item.thumbPath = thumb;
        item.fileSize = 2048;
        return item;
    };
    const std::string folder = "Media/5550004@s.whatsapp.net/a/b/";
    const int present = chat.addMessage(picture, media(folder + "photo.jpg", folder + "photo.thumb"));
    const int unicode = chat.addMessage(picture, media(folder + "Grüße 写真.jpg", ""));
    const int missing = chat.addMessage(picture, media(folder + "missing.jpg", folder + "missing.thumb"));
    Chat::MediaItem video = media(folder + "clip.mp4", "");
    video.authorName = "Holiday clip";
    video.movieDuration = 42;
    const int authored = chat.addMessage(picture, video);
    Chat::Message card;
    card.type = 4;
    card.session = session;
    card.text = "Zoë Card";
    Chat::MediaItem vcard;
    vcard.vcardString = "BEGIN:VCARD\nVERSION:3.0\nFN:Zoë Ünal\nEND:VCARD\n";
    vcard.vcardName = "Zoë Ünal";
    const int cardPk = chat.addMessage(card, vcard);
    Chat::Message location;
    location.type = 5;
    location.session = session;
    Chat::MediaItem place;
    place.latitude = 48.8584;
    place.longitude = -2.2945;
    place.title = "ignored for locations";
    place.vcardName = "Café de Flore";
    const int locationPk = chat.addMessage(location, place);

    BackupBuilder backup(freshFolder("wa-media"));
    chat.addTo(backup);
    const std::string photoId = Chat::addMediaFile(backup, folder + "photo.jpg", "jpeg bytes");
    const std::string unicodeId = Chat::addMediaFile(backup, folder + "Grüße 写真.jpg", "more jpeg bytes");
    const std::string missingThumbId = Chat::addMediaFile(backup, folder + "missing.thumb", "thumb");
    backup.write();
    const std::string out = freshFolder("wa-media-out");
    const auto before = snapshot(backup.folder());
    const Scan scan = scanTool(backup.folder(), out);
    EXPECT_EQ(snapshot(backup.folder()), before);

    EXPECT_EQ(str(scan.message(present), "mediaFile"), backup.pathOf(photoId));
    EXPECT_EQ(str(scan.message(present), "thumbnailFile"), "");
    EXPECT_EQ(str(scan.message(present), "title"), "photo.jpg");
    EXPECT_EQ(num(scan.message(present), "fileSize"), 2048);
    EXPECT_EQ(str(scan.message(unicode), "mediaFile"), backup.pathOf(unicodeId));
    EXPECT_EQ(str(scan.message(unicode), "title"), "Grüße 写真.jpg");
    EXPECT_EQ(str(scan.message(missing), "mediaFile"), "");
    EXPECT_EQ(str(scan.message(missing), "title"), "missing.jpg");
    EXPECT_EQ(str(scan.message(missing), "thumbnailFile"), backup.pathOf(missingThumbId));
    EXPECT_EQ(str(scan.message(authored), "title"), "Holiday clip");
    EXPECT_EQ(num(scan.message(authored), "movieDuration"), 42);

    const std::string cardFile = out + "/WhatsAppMedia/" + std::to_string(cardPk) + ".vcf";
    EXPECT_EQ(str(scan.message(cardPk), "mediaFile"), cardFile);
    EXPECT_EQ(str(scan.message(cardPk), "title"), std::to_string(cardPk) + ".vcf");
    EXPECT_EQ(str(scan.message(cardPk), "text"), "");
    EXPECT_EQ(readFile(cardFile), "BEGIN:VCARD\nVERSION:3.0\nFN:Zoë Ünal\nEND:VCARD\n");

    EXPECT_EQ(str(scan.message(locationPk), "mediaTitle"), "Café de Flore");
    EXPECT_NEAR(num(scan.message(locationPk), "latitude"), 48.8584, 1e-4);
    EXPECT_NEAR(num(scan.message(locationPk), "longitude"), -2.2945, 1e-4);
}

TEST(WhatsAppScan, MissingChatDatabaseGivesOnlyTheCategoryEvents)
{
    BackupBuilder backup(freshFolder("wa-none"));
    backup.write();
    EXPECT_EQ(scanTool(backup.folder(), freshFolder("wa-none-out")).lines, emptyCategoryEvents(WhatsApp));
}
