// What may be handed to libplist from a backup or a device.

#include "backupbuilder.h"
#include "hostileplists.h"
#include "linebackup.h"
#include "plistguard.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>

#include <string>

using namespace testsupport;

namespace
{
    bool acceptable(const std::string &bytes)
    {
        return PlistGuard::acceptable(bytes.data(), bytes.size());
    }

    // The tree libplist makes of bytes it accepts whatever their depth (its
    // XML parser does not recurse).
    bool treeAcceptable(const std::string &xml)
    {
        plist_t root = nullptr;
        plist_from_xml(xml.data(), uint32_t(xml.size()), &root);
        EXPECT_NE(root, nullptr);
        const bool accepted = PlistGuard::acceptable(root);
        plist_free(root);
        return accepted;
    }
}

TEST(PlistGuard, WhatBackupsHoldPasses)
{
    BackupBuilder backup(freshFolder("plistguard-backup"));
    backup.write();
    for (const char *name : {"Manifest.plist", "Info.plist", "Status.plist"}) {
        const std::string stored = readFile(backup.folder() + "/" + name);
        EXPECT_TRUE(acceptable(stored)) << name;
        plist_t root = nullptr;
        plist_from_memory(stored.data(), uint32_t(stored.size()), &root);
        ASSERT_NE(root, nullptr) << name;
        EXPECT_TRUE(PlistGuard::acceptable(root)) << name;
        EXPECT_TRUE(acceptable(plistBytes(root, false))) << name;
    }
    EXPECT_TRUE(acceptable(lineMetadata({"DURATION", "RESULT", "TYPE", "65000", "NORMAL", "V"})));
    EXPECT_TRUE(acceptable("<plist><dict/><array/></plist>"));
    EXPECT_TRUE(acceptable("not a property list at all"));
}

TEST(PlistGuard, NestingUpToTheBoundPasses)
{
    const int bound = PlistGuard::MaxDepth;
    for (const bool binary : {true, false}) {
        EXPECT_TRUE(acceptable(nestedArraysPlist(bound, binary))) << binary;
        EXPECT_FALSE(acceptable(nestedArraysPlist(bound + 1, binary))) << binary;
        // Deep enough to overflow libplist's stack when parsed, written or freed.
        EXPECT_FALSE(acceptable(nestedArraysPlist(200000, binary))) << binary;
    }
    EXPECT_TRUE(treeAcceptable(nestedArraysPlist(bound, false)));
    EXPECT_FALSE(treeAcceptable(nestedArraysPlist(bound + 1, false)));
}

// libplist copies an object at every reference: these bytes would become
// 2^levels nodes.
TEST(PlistGuard, SharedReferencesCountAtEveryUse)
{
    EXPECT_TRUE(acceptable(sharedArraysPlist(15)));
    EXPECT_FALSE(acceptable(sharedArraysPlist(17)));
    EXPECT_FALSE(acceptable(sharedArraysPlist(60)));
}

TEST(PlistGuard, BinaryThatDoesNotHoldTogetherIsRefused)
{
    BackupBuilder backup(freshFolder("plistguard-broken"));
    backup.write();
    const std::string manifest = readFile(backup.folder() + "/Manifest.plist");
    std::string referencesItself = nestedArraysPlist(3, true);
    referencesItself[13] = 0; // the third array holds the first
    const struct
    {
        const char *name;
        std::string bytes;
    } cases[] = {
        {"cut short", manifest.substr(0, manifest.size() / 2)},
        {"no room for a trailer", std::string("bplist00") + std::string(20, '\0')},
        {"an array that holds itself", referencesItself},
        {"a reference past the objects", [] {
             std::string bytes = nestedArraysPlist(2, true);
             bytes[9] = 9;
             return bytes;
         }()},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(acceptable(c.bytes)) << c.name;
    EXPECT_FALSE(PlistGuard::acceptable(nullptr, 10));
}

// A key or string with a NUL inside, which libplist's text readers abort on,
// wherever it sits in the tree.
TEST(PlistGuard, TextsWithANulInsideAreFound)
{
    const auto bytes = [](const auto &literal) { return std::string(literal, sizeof literal - 1); };
    const struct
    {
        const char *name;
        std::string plist;
        bool nul;
    } cases[] = {
        {"plain texts", "<plist><dict><key>Files</key><array><string>a/b</string></array></dict></plist>", false},
        {"a string", bytes("<plist><array><string>a\0b</string></array></plist>"), true},
        {"deep inside", bytes("<plist><dict><key>x</key><array><dict><key>y</key><string>\0</string></dict></array>"
                              "</dict></plist>"),
         true},
        // Only the binary form carries a NUL in a key: {"a\0b": true}, the key in UTF-16.
        {"a key", bytes("bplist00\xd1\x01\x02\x63\0a\0\0\0b\x09\x08\x0b\x12"
                        "\0\0\0\0\0\0\x01\x01\0\0\0\0\0\0\0\x03\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x13"),
         true},
    };
    for (const auto &c : cases) {
        plist_t root = nullptr;
        plist_from_memory(c.plist.data(), uint32_t(c.plist.size()), &root);
        ASSERT_NE(root, nullptr) << c.name;
        EXPECT_EQ(PlistGuard::holdsNul(root), c.nul) << c.name;
        plist_free(root);
    }
}
