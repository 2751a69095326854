#pragma once

// Builds LINE's two databases (groups, and users with chats and messages)
// into a test backup, with content metadata as binary property lists.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testsupport
{
    class BackupBuilder;

    // Content metadata as the app keeps it: a keyed archive whose "$objects"
    // list holds the given strings in order, with a dictionary after the
    // first and a number before the last among them, as an archiver mixes
    // other items in.
    std::string lineMetadata(const std::vector<std::string> &strings);

    class LineBackup
    {
    public:
        using Text = std::optional<std::string>;
        using Number = std::optional<int64_t>;
        using Real = std::optional<double>;

        static const char *const Domain;
        static const char *const GroupDatabasePath;
        static const char *const ChatDatabasePath;
        // Where a chat's received files and their thumbnails lie.
        static std::string attachmentPath(const std::string &chatMid, const std::string &fileName);
        static std::string thumbnailPath(const std::string &chatMid, const std::string &fileName);

        struct Message
        {
            int64_t pk = 0;
            Number contentType;
            Number chat;   // ZCHAT.Z_PK
            Number sender; // ZUSER.Z_PK
            Number sendStatus;
            Number timestamp;
            Text id;
            Text text;
            Real latitude;
            Real longitude;
            Text metadata; // bytes, e.g. from lineMetadata
        };

        void addGroup(int64_t pk, const Text &id, const Text &name, const Text &pictureStatus);
        void addGroupUser(int64_t pk, const Text &mid);
        void addMember(const Number &groupPk, const Number &groupUserPk);
        void addUser(int64_t pk, const Text &mid, const Text &name, const Text &statusMessage, const Text &pictureUrl,
                     const Number &createdTime);
        void addChat(int64_t pk, const Text &mid, const Number &type);
        void addMessage(const Message &message);

        // Adds both databases to the backup (which is written afterwards).
        void addTo(BackupBuilder &backup) const;

    private:
        std::string m_groupRows;
        std::string m_chatRows;
    };
}
