#include "dbmediamanager.h"
#include "sha1.h"

#include <gtest/gtest.h>

namespace
{
    struct Vector
    {
        const char *name;
        std::string input;
        const char *digest;
    };
}

TEST(Sha1, PublishedTestVectors)
{
    const Vector vectors[] = {
        {"empty", "", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {"abc", "abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"two blocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {"long", "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrs"
                 "mnopqrstnopqrstu",
         "a49b2446a02c645bf419f995b67091253a04a259"},
        {"a million a", std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
        {"binary with zero", std::string("\x00\xFF", 2), "aa3e5dcdd77b153f2e59bd0d8794fde33cb4e486"},
    };
    for (const auto &v : vectors)
        EXPECT_EQ(CSHA1::Hex(v.input), v.digest) << v.name;
}

TEST(Sha1, PiecewiseUpdatesMatchOneShotAndTheObjectStartsOver)
{
    CSHA1 sha1;
    sha1.Update("ab", 2);
    sha1.Update(std::string("c"));
    EXPECT_EQ(sha1.HexDigest(), "a9993e364706816aba3e25717850c26c9cd0d89d");
    sha1.Update(std::string("abc"));
    EXPECT_EQ(sha1.HexDigest(), "a9993e364706816aba3e25717850c26c9cd0d89d");
}

TEST(Sha1, BackupFileIdsOfKnownFiles)
{
    struct Pair
    {
        std::wstring domain, relativePath, fileID;
    };
    const Pair pairs[] = {
        {L"HomeDomain", L"Library/SMS/sms.db", L"3d0d7e5fb2ce288813306e4d4636395e047a3d28"},
        {L"HomeDomain", L"Library/AddressBook/AddressBook.sqlitedb", L"31bb7ba8914766d4ba40d6dfb6113c8b614be442"},
        {L"AppDomainGroup-group.net.whatsapp.WhatsApp.shared",
         L"Library/Preferences/group.net.whatsapp.WhatsApp.shared.plist", L"be7e71b773c6d7d4114a8acf0529f623f3884bfb"},
    };
    for (const auto &p : pairs) {
        const std::wstring id = DBMediaManager::FileIdOf(p.domain, p.relativePath);
        EXPECT_EQ(id, p.fileID);
        EXPECT_EQ(DBMediaManager::FileIdPath(L"/b", id), L"/b/" + p.fileID.substr(0, 2) + L"/" + p.fileID);
    }
    // Non-ASCII paths hash their UTF-8 bytes.
    EXPECT_EQ(DBMediaManager::FileIdOf(L"CameraRollDomain", L"Media/DCIM/Fotoğraf.JPG"),
              L"644eeb903cd79b113930132d0f74ac88f38ebf7d");
}
