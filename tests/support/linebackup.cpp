#include "linebackup.h"

#include "backupbuilder.h"
#include "lineschemas.h"
#include "sqlliteral.h"

#include <plist/plist.h>

#include <cstdio>

namespace testsupport
{
    namespace
    {
        std::string sqlNumber(const LineBackup::Number &number)
        {
            return number ? std::to_string(*number) : "NULL";
        }

        std::string sqlReal(const LineBackup::Real &real)
        {
            if (!real)
                return "NULL";
            char text[40];
            std::snprintf(text, sizeof text, "%.17g", *real);
            return text;
        }

        std::string values(std::initializer_list<std::string> items)
        {
            std::string row = " VALUES (";
            for (const auto &item : items)
                row += (row.size() > 9 ? ", " : "") + item;
            return row + ");";
        }

        const std::string Folder = "Library/Application Support/PrivateStore/P_u0f1e2d3c4b5a69788796a5b4c3d2e1f0";
    }

    const char *const LineBackup::Domain = "AppDomainGroup-group.com.linecorp.line";
    const char *const LineBackup::GroupDatabasePath =
        "Library/Application Support/PrivateStore/P_u0f1e2d3c4b5a69788796a5b4c3d2e1f0/Messages/UnifiedGroup.sqlite";
    const char *const LineBackup::ChatDatabasePath =
        "Library/Application Support/PrivateStore/P_u0f1e2d3c4b5a69788796a5b4c3d2e1f0/Messages/Line.sqlite";

    std::string LineBackup::attachmentPath(const std::string &chatMid, const std::string &fileName)
    {
        return Folder + "/Message Attachments/" + chatMid + "/" + fileName;
    }

    std::string LineBackup::thumbnailPath(const std::string &chatMid, const std::string &fileName)
    {
        return Folder + "/Message Thumbnails/" + chatMid + "/" + fileName;
    }

    std::string lineMetadata(const std::vector<std::string> &strings)
    {
        plist_t objects = plist_new_array();
        for (size_t i = 0; i < strings.size(); ++i) {
            if (i + 1 == strings.size() && i > 0)
                plist_array_append_item(objects, plist_new_uint(42));
            plist_array_append_item(objects, plist_new_string(strings[i].c_str()));
            if (i == 0) {
                plist_t dictionary = plist_new_dict();
                plist_dict_set_item(dictionary, "$class", plist_new_uid(3));
                plist_dict_set_item(dictionary, "NS.count", plist_new_uint(uint64_t(strings.size())));
                plist_array_append_item(objects, dictionary);
            }
        }
        plist_t top = plist_new_dict();
        plist_dict_set_item(top, "root", plist_new_uid(1));
        plist_t root = plist_new_dict();
        plist_dict_set_item(root, "$archiver", plist_new_string("NSKeyedArchiver"));
        plist_dict_set_item(root, "$version", plist_new_uint(100000));
        plist_dict_set_item(root, "$top", top);
        plist_dict_set_item(root, "$objects", objects);
        return plistBytes(root, true);
    }

    void LineBackup::addGroup(int64_t pk, const Text &id, const Text &name, const Text &pictureStatus)
    {
        m_groupRows += "INSERT INTO ZUNIFIEDGROUP (Z_PK, Z_ENT, Z_OPT, ZID, ZNAME, ZPICTURESTATUS)" +
                       values({std::to_string(pk), "1", "1", sqlText(id), sqlText(name), sqlText(pictureStatus)});
    }

    void LineBackup::addGroupUser(int64_t pk, const Text &mid)
    {
        m_groupRows += "INSERT INTO ZUNIFIEDGROUPUSER (Z_PK, Z_ENT, Z_OPT, ZMID)" +
                       values({std::to_string(pk), "2", "1", sqlText(mid)});
    }

    void LineBackup::addMember(const Number &groupPk, const Number &groupUserPk)
    {
        m_groupRows += "INSERT INTO Z_1MEMBERCHATUSERS (Z_1GROUPS, Z_2MEMBERCHATUSERS)" +
                       values({sqlNumber(groupPk), sqlNumber(groupUserPk)});
    }

    void LineBackup::addUser(int64_t pk, const Text &mid, const Text &name, const Text &statusMessage,
                             const Text &pictureUrl, const Number &createdTime)
    {
        m_chatRows += "INSERT INTO ZUSER (Z_PK, Z_ENT, Z_OPT, ZMID, ZNAME, ZSTATUSMESSAGE, ZPICTUREURL, ZCREATEDTIME)" +
                      values({std::to_string(pk), "5", "1", sqlText(mid), sqlText(name), sqlText(statusMessage),
                              sqlText(pictureUrl), sqlNumber(createdTime)});
    }

    void LineBackup::addChat(int64_t pk, const Text &mid, const Number &type)
    {
        m_chatRows += "INSERT INTO ZCHAT (Z_PK, Z_ENT, Z_OPT, ZTYPE, ZMID)" +
                      values({std::to_string(pk), "2", "1", sqlNumber(type), sqlText(mid)});
    }

    void LineBackup::addMessage(const Message &m)
    {
        m_chatRows += "INSERT INTO ZMESSAGE (Z_PK, Z_ENT, Z_OPT, ZCHAT, ZCONTENTTYPE, ZSENDER, ZSENDSTATUS, ZTIMESTAMP,"
                      " ZLATITUDE, ZLONGITUDE, ZID, ZTEXT, ZCONTENTMETADATA)" +
                      values({std::to_string(m.pk), "3", "1", sqlNumber(m.chat), sqlNumber(m.contentType),
                              sqlNumber(m.sender), sqlNumber(m.sendStatus), sqlNumber(m.timestamp), sqlReal(m.latitude),
                              sqlReal(m.longitude), sqlText(m.id), sqlText(m.text), sqlBlob(m.metadata)});
    }

    void LineBackup::addTo(BackupBuilder &backup) const
    {
        backup.addDatabase(Domain, GroupDatabasePath, std::string(LineGroupSchema) + m_groupRows);
        backup.addDatabase(Domain, ChatDatabasePath, std::string(LineChatSchema) + m_chatRows);
    }
}
