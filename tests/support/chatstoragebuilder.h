#pragma once

// Builds WhatsApp's chat database (ChatStorage.sqlite) with the tables and
// columns the engine reads, and puts it into a backup together with media
// files at their ids and the owner's preferences. Empty texts and zero
// references are written as NULL, as WhatsApp leaves them.

#include "backupbuilder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testsupport
{
    class ChatStorageBuilder
    {
    public:
        static const std::string Domain;       // the app group's backup domain
        static const std::string RelativePath; // of the chat database in that domain
        static const std::string PreferencesPath;

        struct Message
        {
            int type = 0; // ZMESSAGETYPE: 0 text, 1 picture, 4 contact card, 5 location, 6 and 10 events
            int groupEventType = 0;
            int isFromMe = 0;
            int status = 0;
            int starred = 0;
            int session = 0;     // Z_PK of a session
            int groupMember = 0; // Z_PK of a group member
            int mediaItem = 0;   // Z_PK of a media item
            double date = 0;     // seconds since 2001-01-01
            std::string fromJid;
            std::string toJid;
            std::string text;
            std::string stanzaId;
            std::string mediaSectionId;
        };

        struct MediaItem
        {
            int64_t fileSize = 0;
            int movieDuration = 0;
            double latitude = 0;
            double longitude = 0;
            std::string authorName;
            std::string localPath; // below "Message/" in the domain
            std::string thumbPath;
            std::string title;
            std::string vcardString;
            std::string vcardName;
            std::optional<std::string> metadata;
        };

        int addPushName(const std::string &jid, const std::string &pushName);
        int addSession(const std::string &contactJid, const std::string &partnerName, int sessionType = 0,
                       int hidden = 0, int archived = 0);
        int addGroupMember(int session, const std::string &memberJid);
        int addMediaItem(const MediaItem &item);
        int addMessage(const Message &message);
        // The media item's pk goes into the message's row.
        int addMessage(Message message, const MediaItem &item);

        // ZMETADATA of a reply: the quoted message's stanza id after "*" and
        // its length byte, padded past the 32 bytes a quote needs.
        static std::string quoteMetadata(const std::string &stanzaId);

        // The database as SQL text.
        std::string sql() const;
        // Adds the database to the backup; returns its file id.
        std::string addTo(BackupBuilder &backup) const;
        // A media file or thumbnail at the id of "Message/" + localPath.
        static std::string addMediaFile(BackupBuilder &backup, const std::string &localPath,
                                        const std::string &content);
        // WhatsApp's preferences naming the owner's own JID.
        static void addOwner(BackupBuilder &backup, const std::string &ownJid);

    private:
        std::vector<std::string> m_pushNames;
        std::vector<std::string> m_sessions;
        std::vector<std::string> m_members;
        std::vector<std::string> m_mediaItems;
        std::vector<std::string> m_messages;
    };
}
