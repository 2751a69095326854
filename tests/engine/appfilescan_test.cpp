#include "backupbuilder.h"
#include "dbrecords.h"
#include "recordjson.h"
#include "scanrecorder.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testsupport;

namespace
{
    struct Entry
    {
        std::string domain;
        std::string relativePath;
        std::string name; // as the record must show it
    };

    const Entry Pdf {"AppDomain-com.example.reader", "Documents/Books/a.pdf", "a.pdf"};
    const Entry RootPdf {"AppDomain-com.example.reader", "b.PDF", "b.PDF"};
    const Entry Docx {"AppDomain-com.example.office", "Documents/Report.DocX", "Report.DocX"};
    const Entry LowerJpg {"AppDomain-com.example.chat", "Documents/pic.jpg", "pic.jpg"};
    const Entry UpperPng {"AppDomain-com.example.chat", "Library/Caches/Ünï 写真.PNG", "Ünï 写真.PNG"};
    const Entry CameraJpg {"CameraRollDomain", "Media/DCIM/100APPLE/IMG_0001.JPG", "IMG_0001.JPG"};
    const Entry PhotoDataJpg {"CameraRollDomain", "Media/PhotoData/Mutations/IMG_0001.JPEG", ""};
    const Entry ThumbnailJpg {"CameraRollDomain", "Media/PhotoData/Thumbnails/V2/DCIM/IMG_0001.JPG/5005.JPG", ""};
    const Entry Mp4 {"AppDomain-com.example.video", "Documents/clip.mp4", "clip.mp4"};
    const Entry AppMov {"AppDomain-com.example.video", "Documents/movie.MOV", "movie.MOV"};
    const Entry CameraMov {"CameraRollDomain", "Media/PhotoData/CPLAssets/IMG_0002.MOV", ""};
    const Entry M4a {"AppDomain-com.example.music", "Documents/song.m4a", "song.m4a"};
    const Entry Aac {"AppDomain-com.example.music", "Documents/voice.AAC", "voice.AAC"};
    const Entry Plist {"HomeDomain", "Library/Preferences/com.apple.springboard.plist", ""};

    std::string record(int kind, const std::string &name, const std::string &filePath)
    {
        STFiles files;
        files.name = widen(name);
        files.filePath = widen(filePath);
        return EventToJson(DBSTATUS_RECORD, kind, 0, &files);
    }

    std::vector<std::string> sorted(std::vector<std::string> lines)
    {
        std::sort(lines.begin(), lines.end());
        return lines;
    }
}

TEST(AppFileScan, EachKindGetsItsFilesFromTheFileList)
{
    BackupBuilder backup(freshFolder("appfiles"));
    for (const Entry &entry : {Pdf, RootPdf, Docx, LowerJpg, UpperPng, CameraJpg, PhotoDataJpg, ThumbnailJpg, Mp4,
                               AppMov, CameraMov, M4a, Aac, Plist})
        backup.addFile(entry.domain, entry.relativePath, "content of " + entry.relativePath);
    // A folder entry (flags 2) is no file, whatever its name.
    backup.addManifestRow(fileIdOf("AppDomain-com.example.reader", "Documents/Old.pdf"), "AppDomain-com.example.reader",
                          "Documents/Old.pdf", 2);
    // An id that is no file id gives no path, but the file is still listed.
    backup.addManifestRow("../../../etc/passwd", "AppDomain-com.example.reader", "Documents/evil.txt");
    backup.write();

    struct Case
    {
        int kind;
        std::vector<Entry> entries;
        std::vector<std::string> extra;
    };
    const std::vector<Case> cases = {
        {DBAPP_3RD_IMAGE, {LowerJpg, UpperPng, CameraJpg}, {}},
        {DBAPP_3RD_VIDEO, {Mp4, AppMov}, {}},
        {DBAPP_3RD_AUDIO, {M4a, Aac}, {}},
        {DBAPP_3RD_DOCUMENT, {Pdf, RootPdf, Docx}, {record(DBAPP_3RD_DOCUMENT, "evil.txt", "")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        std::vector<std::string> expected = c.extra;
        for (const Entry &entry : c.entries)
            expected.push_back(record(c.kind, entry.name, backup.pathOf(fileIdOf(entry.domain, entry.relativePath))));
        const auto lines = scanEvents({backup.folder(), freshFolder("appfiles-out"), c.kind});
        EXPECT_EQ(sorted(recordLines(lines, c.kind)), sorted(expected));
        EXPECT_EQ(lines.size(), expected.size() + 4u); // nothing else but the four progress events
    }
}
