#include "backupbuilder.h"
#include "hostileplists.h"
#include "scanrecorder.h"

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <optional>

using namespace testsupport;

namespace
{
    const std::string Domain = "AppDomainGroup-group.net.whatsapp.WhatsApp.shared";
    const std::string Preferences = "Library/Preferences/group.net.whatsapp.WhatsApp.shared.plist";

    // A preference list with one item, as binary or XML bytes.
    std::string preferenceList(const char *key, plist_t value, bool binary)
    {
        plist_t root = plist_new_dict();
        plist_dict_set_item(root, key, value);
        return plistBytes(root, binary);
    }

    std::string backupWith(const std::string &name, const std::optional<std::string> &preferences)
    {
        BackupBuilder backup(freshFolder(name));
        if (preferences)
            backup.addFile(Domain, Preferences, *preferences);
        backup.write();
        return backup.folder();
    }

    std::string ownerLine(const std::string &backup)
    {
        int exitCode = -1;
        const std::string printed =
            runCommand(std::string(VARDEX_SCAN_PATH) + " --owner --backup " + shellQuote(backup), &exitCode);
        EXPECT_EQ(exitCode, 0) << backup;
        return printed;
    }
}

TEST(WhatsAppOwner, PrintsTheNumberOfTheOwnAccount)
{
    struct Case
    {
        const char *name;
        std::optional<std::string> preferences;
        std::string line;
    };
    const Case cases[] = {
        {"binary", preferenceList("LastOwnJabberID", plist_new_string("4915112345678@s.whatsapp.net"), true),
         "4915112345678\n"},
        {"xml", preferenceList("LastOwnJabberID", plist_new_string("15551234567@s.whatsapp.net"), false),
         "15551234567\n"},
        {"no at sign", preferenceList("LastOwnJabberID", plist_new_string("owner-without-domain"), true),
         "owner-without-domain\n"},
        {"not a string", preferenceList("LastOwnJabberID", plist_new_uint(15551234567), true), "\n"},
        {"missing key", preferenceList("OtherKey", plist_new_string("1@s.whatsapp.net"), true), "\n"},
        {"seven bytes", std::string("bplist0"), "\n"},
        {"not a property list", std::string("this is no property list at all"), "\n"},
        {"missing file", std::nullopt, "\n"},
        // libplist would copy these references a billion times, or recurse past its stack.
        {"references copied a billion times", sharedArraysPlist(30), "\n"},
        {"nested past any stack", nestedArraysPlist(200000, true), "\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ownerLine(backupWith(std::string("owner-") + c.name, c.preferences)), c.line) << c.name;
}

TEST(WhatsAppOwner, EmptyOrMissingBackupFolderGivesAnEmptyLine)
{
    EXPECT_EQ(ownerLine(""), "\n");
    EXPECT_EQ(ownerLine(freshFolder("owner-gone") + "/not-there"), "\n");
    const std::string log = logText("Vardex.log");
    EXPECT_NE(log.find("backup path is empty"), std::string::npos);
    EXPECT_NE(log.find("backup path is not find"), std::string::npos);
}
