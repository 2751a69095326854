#include "chatstoragebuilder.h"

#include "sqlliteral.h"

#include <plist/plist.h>

#include <cstdio>

namespace testsupport
{
    const std::string ChatStorageBuilder::Domain = "AppDomainGroup-group.net.whatsapp.WhatsApp.shared";
    const std::string ChatStorageBuilder::RelativePath = "ChatStorage.sqlite";
    const std::string ChatStorageBuilder::PreferencesPath =
        "Library/Preferences/group.net.whatsapp.WhatsApp.shared.plist";

    namespace
    {
        // The columns of ChatStorage that the engine reads, in WhatsApp's order;
        // ZWAPROFILEPUSHNAME is read by position.
        const char *const Schema = R"SQL(
CREATE TABLE ZWAPROFILEPUSHNAME ( Z_PK INTEGER PRIMARY KEY, Z_ENT INTEGER, Z_OPT INTEGER, ZJID VARCHAR, ZPUSHNAME VARCHAR );
CREATE INDEX Z_WAProfilePushName_byJidIndex ON ZWAPROFILEPUSHNAME (ZJID COLLATE BINARY ASC);
CREATE TABLE ZWAGROUPMEMBER ( Z_PK INTEGER PRIMARY KEY, Z_ENT INTEGER, Z_OPT INTEGER, ZISACTIVE INTEGER, ZISADMIN INTEGER, ZCHATSESSION INTEGER, ZCONTACTNAME VARCHAR, ZFIRSTNAME VARCHAR, ZMEMBERJID VARCHAR );
CREATE TABLE ZWACHATSESSION ( Z_PK INTEGER PRIMARY KEY, Z_ENT INTEGER, Z_OPT INTEGER, ZARCHIVED INTEGER, ZHIDDEN INTEGER, ZMESSAGECOUNTER INTEGER, ZSESSIONTYPE INTEGER, ZUNREADCOUNT INTEGER, ZLASTMESSAGEDATE TIMESTAMP, ZCONTACTJID VARCHAR, ZLASTMESSAGETEXT VARCHAR, ZPARTNERNAME VARCHAR );
CREATE INDEX Z_WAChatSession_byContactJIDIndex ON ZWACHATSESSION (ZCONTACTJID COLLATE BINARY ASC);
CREATE TABLE ZWAMESSAGE ( Z_PK INTEGER PRIMARY KEY, Z_ENT INTEGER, Z_OPT INTEGER, ZGROUPEVENTTYPE INTEGER, ZISFROMME INTEGER, ZMESSAGESTATUS INTEGER, ZMESSAGETYPE INTEGER, ZSORT INTEGER, ZSTARRED INTEGER, ZCHATSESSION INTEGER, ZGROUPMEMBER INTEGER, ZMEDIAITEM INTEGER, ZPARENTMESSAGE INTEGER, ZMESSAGEDATE TIMESTAMP, ZSENTDATE TIMESTAMP, ZFROMJID VARCHAR, ZMEDIASECTIONID VARCHAR, ZPUSHNAME VARCHAR, ZSTANZAID VARCHAR, ZTEXT VARCHAR, ZTOJID VARCHAR );
CREATE INDEX ZWAMESSAGE_ZCHATSESSION_INDEX ON ZWAMESSAGE (ZCHATSESSION);
CREATE INDEX ZWAMESSAGE_ZMEDIAITEM_INDEX ON ZWAMESSAGE (ZMEDIAITEM);
CREATE INDEX Z_WAMessage_byStanzaIDIndex ON ZWAMESSAGE (ZSTANZAID COLLATE BINARY ASC);
CREATE TABLE ZWAMEDIAITEM ( Z_PK INTEGER PRIMARY KEY, Z_ENT INTEGER, Z_OPT INTEGER, ZFILESIZE INTEGER, ZMOVIEDURATION INTEGER, ZMESSAGE INTEGER, ZLATITUDE FLOAT, ZLONGITUDE FLOAT, ZAUTHORNAME VARCHAR, ZMEDIALOCALPATH VARCHAR, ZMEDIAURL VARCHAR, ZTHUMBNAILLOCALPATH VARCHAR, ZTITLE VARCHAR, ZVCARDNAME VARCHAR, ZVCARDSTRING VARCHAR, ZXMPPTHUMBPATH VARCHAR, ZMEDIAKEY BLOB, ZMETADATA BLOB );
)SQL";

        // WhatsApp leaves a text column it has no value for NULL.
        std::string text(const std::string &value)
        {
            return value.empty() ? "NULL" : sqlText(value);
        }

        // A reference or count, NULL when zero.
        std::string ref(int64_t value)
        {
            return value == 0 ? "NULL" : std::to_string(value);
        }

        std::string real(double value)
        {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "%.17g", value);
            return buffer;
        }

        int nextPk(const std::vector<std::string> &rows)
        {
            return int(rows.size()) + 1;
        }
    }

    int ChatStorageBuilder::addPushName(const std::string &jid, const std::string &pushName)
    {
        const int pk = nextPk(m_pushNames);
        m_pushNames.push_back("INSERT INTO ZWAPROFILEPUSHNAME VALUES (" + std::to_string(pk) + ", 13, 1, " +
                              text(jid) + ", " + text(pushName) + ");\n");
        return pk;
    }

    int ChatStorageBuilder::addSession(const std::string &contactJid, const std::string &partnerName,
                                       int sessionType, int hidden, int archived)
    {
        const int pk = nextPk(m_sessions);
        m_sessions.push_back("INSERT INTO ZWACHATSESSION (Z_PK, Z_ENT, Z_OPT, ZARCHIVED, ZHIDDEN, ZSESSIONTYPE, "
                             "ZCONTACTJID, ZPARTNERNAME) VALUES (" +
                             std::to_string(pk) + ", 3, 1, " + std::to_string(archived) + ", " +
                             std::to_string(hidden) + ", " + std::to_string(sessionType) + ", " + text(contactJid) +
                             ", " + text(partnerName) + ");\n");
        return pk;
    }

    int ChatStorageBuilder::addGroupMember(int session, const std::string &memberJid)
    {
        const int pk = nextPk(m_members);
        m_members.push_back("INSERT INTO ZWAGROUPMEMBER (Z_PK, Z_ENT, Z_OPT, ZISACTIVE, ZCHATSESSION, ZMEMBERJID) "
                            "VALUES (" +
                            std::to_string(pk) + ", 7, 1, 1, " + ref(session) + ", " + text(memberJid) + ");\n");
        return pk;
    }

    int ChatStorageBuilder::addMediaItem(const MediaItem &item)
    {
        const int pk = nextPk(m_mediaItems);
        m_mediaItems.push_back(
            "INSERT INTO ZWAMEDIAITEM (Z_PK, Z_ENT, Z_OPT, ZFILESIZE, ZMOVIEDURATION, ZLATITUDE, ZLONGITUDE, "
            "ZAUTHORNAME, ZMEDIALOCALPATH, ZTITLE, ZVCARDNAME, ZVCARDSTRING, ZXMPPTHUMBPATH, ZMETADATA) VALUES (" +
            std::to_string(pk) + ", 9, 1, " + std::to_string(item.fileSize) + ", " +
            std::to_string(item.movieDuration) + ", " + real(item.latitude) + ", " + real(item.longitude) + ", " +
            text(item.authorName) + ", " + text(item.localPath) + ", " + text(item.title) + ", " +
            text(item.vcardName) + ", " + text(item.vcardString) + ", " + text(item.thumbPath) + ", " +
            sqlBlob(item.metadata) + ");\n");
        return pk;
    }

    int ChatStorageBuilder::addMessage(const Message &m)
    {
        const int pk = nextPk(m_messages);
        m_messages.push_back(
            "INSERT INTO ZWAMESSAGE (Z_PK, Z_ENT, Z_OPT, ZGROUPEVENTTYPE, ZISFROMME, ZMESSAGESTATUS, ZMESSAGETYPE, "
            "ZSORT, ZSTARRED, ZCHATSESSION, ZGROUPMEMBER, ZMEDIAITEM, ZMESSAGEDATE, ZFROMJID, ZMEDIASECTIONID, "
            "ZSTANZAID, ZTEXT, ZTOJID) VALUES (" +
            std::to_string(pk) + ", 11, 1, " + std::to_string(m.groupEventType) + ", " + std::to_string(m.isFromMe) +
            ", " + std::to_string(m.status) + ", " + std::to_string(m.type) + ", " + std::to_string(pk) + ", " +
            std::to_string(m.starred) + ", " + ref(m.session) + ", " + ref(m.groupMember) + ", " +
            ref(m.mediaItem) + ", " + real(m.date) + ", " + text(m.fromJid) + ", " + text(m.mediaSectionId) + ", " +
            text(m.stanzaId) + ", " + text(m.text) + ", " + text(m.toJid) + ");\n");
        return pk;
    }

    int ChatStorageBuilder::addMessage(Message message, const MediaItem &item)
    {
        message.mediaItem = addMediaItem(item);
        return addMessage(message);
    }

    std::string ChatStorageBuilder::quoteMetadata(const std::string &stanzaId)
    {
        // A field tag, then the id as WhatsApp writes it, then the quoted
        // sender's JID and a zero byte.
        std::string bytes = "*";
        bytes += char(stanzaId.size());
        bytes += stanzaId;
        bytes += "\x1a\x1a" "19195550100@s.whatsapp.net";
        bytes += '\0';
        bytes += "\x01\x02";
        return bytes;
    }

    std::string ChatStorageBuilder::sql() const
    {
        std::string all = Schema;
        all += "BEGIN;\n";
        for (const auto *rows : {&m_pushNames, &m_sessions, &m_members, &m_mediaItems, &m_messages})
            for (const auto &row : *rows)
                all += row;
        all += "COMMIT;\n";
        return all;
    }

    std::string ChatStorageBuilder::addTo(BackupBuilder &backup) const
    {
        return backup.addDatabase(Domain, RelativePath, sql());
    }

    std::string ChatStorageBuilder::addMediaFile(BackupBuilder &backup, const std::string &localPath,
                                                 const std::string &content)
    {
        return backup.addFile(Domain, "Message/" + localPath, content);
    }

    void ChatStorageBuilder::addOwner(BackupBuilder &backup, const std::string &ownJid)
    {
        plist_t root = plist_new_dict();
        plist_dict_set_item(root, "LastOwnJabberID", plist_new_string(ownJid.c_str()));
        backup.addFile(Domain, PreferencesPath, plistBytes(root, true));
    }
}
