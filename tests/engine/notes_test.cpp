#include "backupbuilder.h"
#include "dbrecords.h"
#include "dbscannotes.h"
#include "notestore.h"
#include "realdata.h"
#include "recordjson.h"
#include "scanrecorder.h"
#include "sqlliteral.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>

using namespace testsupport;
namespace notes = testsupport::notes;

namespace
{
    STNotes note(int32_t pk, const std::wstring &title)
    {
        STNotes record;
        record.pk = pk;
        record.title = title;
        return record;
    }

    std::string noteLine(const STNotes &record)
    {
        return EventToJson(DBSTATUS_RECORD, DBAPP_NOTES, 0, &record);
    }

    std::string attachmentLine(int32_t noteId, const std::wstring &file, int64_t fileSize)
    {
        STNotesAttachment record;
        record.noteId = noteId;
        record.file = file;
        record.fileSize = fileSize;
        return EventToJson(DBSTATUS_RECORD, DBAPP_NOTES, NOTES_ATTACHMENT_SUBTYPE, &record);
    }

    std::vector<std::string> sorted(std::vector<std::string> lines)
    {
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    // A titled note with one body row.
    std::string noteRow(int pk, const std::string &title, const std::string &dataSql)
    {
        return "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZTITLE1) VALUES (" + std::to_string(pk) + ", '" + title +
               "');INSERT INTO ZICNOTEDATA (ZNOTE, ZDATA) VALUES (" + std::to_string(pk) + ", " + dataSql + ");";
    }

    std::string addStore(BackupBuilder &backup, const std::string &rows, bool newer = true)
    {
        return backup.addDatabase(notes::Domain, notes::StorePath, notes::storeSchema(newer) + rows);
    }

    std::vector<std::string> scanNotes(const BackupBuilder &backup, const std::string &out)
    {
        return recordLines(scanEvents({backup.folder(), out, DBAPP_NOTES}), DBAPP_NOTES);
    }

    std::string realData(const std::string &relativePath)
    {
        return readFile(realDataFile(relativePath));
    }

    const std::string Html = "Things that mess HTML up\t\n\n<HTML>\n\t<head>\n\t\t<title>This should never show "
                             "up</title>\n\t\t<script src=\xE2\x80\x98" "evil.js\xE2\x80\x99></script>\n\t</head>\n"
                             "\t<body>\n\t\tThis is body text\n\t</body>\n</html>";
    // CJK, a ZWJ sequence (technologist) and the attachment placeholder U+FFFC.
    const std::string Wide = "\xE4\xBD\x86\xE4\xBB\x96 \xF0\x9F\xA7\x91\xE2\x80\x8D\xF0\x9F\x92\xBB \xEF\xBF\xBC\n";
}

TEST(Notes, BodiesDecodeOnlyFromWholeCompressedMessages)
{
    const std::string abc = notes::bodyMessage("abc");
    const std::string gzipAbc = notes::gzip(abc);
    const std::string zlibAbc = notes::zlib(abc);
    const struct
    {
        const char *name;
        std::string dataSql;
        std::string body;
    } cases[] = {
        {"gzip", sqlBlob(gzipAbc), "abc"},
        {"zlib", sqlBlob(zlibAbc), "abc"},
        {"empty text", sqlBlob(notes::gzip(notes::bodyMessage(""))), ""},
        {"no item", sqlBlob(notes::gzip(notes::bodyMessage(std::nullopt))), ""},
        {"empty blob", "X''", ""},
        {"null", "NULL", ""},
        {"uncompressed message", sqlBlob(abc), ""},
        {"gzip cut in half", sqlBlob(gzipAbc.substr(0, gzipAbc.size() / 2)), ""},
        {"zlib cut short", sqlBlob(zlibAbc.substr(0, zlibAbc.size() - 3)), ""},
        {"corrupt zlib", sqlBlob("\x78\x9C\xFF\xFF\xFF\xFF"), ""},
        {"gzip of no message", sqlBlob(notes::gzip(std::string(8, '\xFF'))), ""},
        {"html", sqlBlob(notes::gzip(notes::bodyMessage(Html))), Html},
        {"wide", sqlBlob(notes::zlib(notes::bodyMessage(Wide))), Wide},
        {"bad utf-8", sqlBlob(notes::gzip(notes::bodyMessage("a\xFF" "b"))), "a\xEF\xBF\xBD" "b"},
    };
    std::string rows;
    std::vector<std::string> expected;
    int pk = 1;
    for (const auto &c : cases) {
        rows += noteRow(pk, c.name, c.dataSql);
        STNotes record = note(pk++, widen(c.name));
        record.body = widen(c.body);
        expected.push_back(noteLine(record));
    }
    BackupBuilder backup(freshFolder("notes-bodies"));
    addStore(backup, rows);
    backup.write();

    const auto records = scanNotes(backup, freshFolder("out"));
    ASSERT_EQ(records.size(), expected.size());
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i], expected[i]) << cases[i].name;
}

// Both date variants: the later creation date when set, else the earlier;
// whole seconds; a note in a folder with a type (Recently Deleted) is flagged.
TEST(Notes, PlainColumnsOfBothStoreVariantsInScanOrder)
{
    for (const bool newer : {true, false}) {
        SCOPED_TRACE(newer ? "newer" : "older");
        const std::string dates = newer ? "ZCREATIONDATE1, ZCREATIONDATE3" : "ZCREATIONDATE, ZCREATIONDATE1";
        BackupBuilder backup(freshFolder("notes-columns"));
        backup.addFile(notes::Domain, "Accounts/LocalAccount/Media/M1/scan.pdf", "%PDF-1.4");
        addStore(backup,
                 "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZTITLE2, ZFOLDERTYPE) VALUES (100, 'Notes', 0), "
                 "(101, 'Recently Deleted', 1);"
                 "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZTITLE1, ZSNIPPET, " + dates +
                     ", ZFOLDER, ZMARKEDFORDELETION) VALUES"
                     " (1, 'Shopping', 'eggs', 600000000.7, 650000000.9, 100, 0),"
                     " (2, 'Gone', 'old', 600000000.5, 0, 101, 1),"
                     " (3, 'Loose', NULL, 610000000, NULL, NULL, NULL);"
                     "INSERT INTO ZICNOTEDATA (ZNOTE, ZDATA) VALUES (1, NULL), (2, NULL), (3, NULL), (3, NULL);"
                     "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZIDENTIFIER, ZFILENAME) VALUES (200, 'M1', 'scan.pdf');"
                     "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZNOTE, ZMEDIA, ZFILESIZE) VALUES (201, 1, 200, 8);",
                 newer);
        backup.write();
        const auto before = snapshot(backup.folder());
        const std::string out = freshFolder("out");

        const auto printed = splitLines(runCommand(std::string(VARDEX_SCAN_PATH) + " --backup " +
                                                   shellQuote(backup.folder()) + " --mask 0x400 --out " +
                                                   shellQuote(out)));

        STNotes shopping = note(1, L"Shopping");
        shopping.snippet = L"eggs", shopping.creationDate = 650000000;
        STNotes gone = note(2, L"Gone");
        gone.snippet = L"old", gone.creationDate = 600000000, gone.inSpecialFolder = 1;
        STNotes loose = note(3, L"Loose");
        loose.creationDate = 610000000;
        const std::string attachmentFile = out + "/" + fileIdOf(notes::Domain, "Accounts/LocalAccount/Media/M1/scan.pdf") + ".pdf";
        EXPECT_EQ(printed, (std::vector<std::string> {progressLine(1, 0), progressLine(3, DBAPP_NOTES),
                                                      noteLine(shopping), noteLine(gone), noteLine(loose),
                                                      attachmentLine(1, widen(attachmentFile), 8),
                                                      progressLine(4, DBAPP_NOTES), progressLine(2, 0)}));
        ASSERT_GT(printed.size(), 3u);
        EXPECT_EQ(printed[3], "{\"status\":4,\"kind\":1024,\"value\":0,\"record\":{\"inSpecialFolder\":1,\"pk\":2,"
                              "\"title\":\"Gone\",\"snippet\":\"old\",\"creationDate\":600000000,\"thumbnailFile\":\"\","
                              "\"isPasswordProtected\":0,\"passwordHint\":\"\",\"cryptoTag\":\"\",\"body\":\"\"}}");
        EXPECT_EQ(readFile(attachmentFile), "%PDF-1.4");
        EXPECT_EQ(snapshot(backup.folder()), before);
    }
}

TEST(Notes, LockedNotesKeepHintAndTagAndAreNeverDecoded)
{
    // A binary tag with a zero byte inside.
    const std::string tag("\x79\x60\xFB\xB6\x00\x74\x4C\x72\x63\x7A\xA5\x1F\xCE\xEA\xA3\xD7", 16);
    BackupBuilder backup(freshFolder("notes-locked"));
    addStore(backup,
             "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZTITLE1, ZISPASSWORDPROTECTED, ZPASSWORDHINT) VALUES"
             " (1, 'Secret', 1, 'Who''s asking?'), (2, 'Text tag', 1, NULL);"
             "INSERT INTO ZICNOTEDATA (ZNOTE, ZCRYPTOTAG, ZDATA) VALUES (1, " +
                 sqlBlob(tag) + ", " + sqlBlob(notes::gzip(notes::bodyMessage("plain"))) +
                 "), (2, 'tag-as-text', X'00112233');");
    backup.write();

    STNotes secret = note(1, L"Secret");
    secret.isPasswordProtected = 1, secret.passwordHint = L"Who's asking?";
    secret.cryptoTag = L"7960fbb600744c72637aa51fceeaa3d7";
    STNotes textTag = note(2, L"Text tag");
    textTag.isPasswordProtected = 1, textTag.cryptoTag = L"tag-as-text";
    EXPECT_EQ(scanNotes(backup, freshFolder("out")), (std::vector<std::string> {noteLine(secret), noteLine(textTag)}));
}

TEST(Notes, ThumbnailsAndAttachmentsAreCopiedByIdentifier)
{
    const std::string picture = std::string("\x89PNG\r\n\x1A\n", 8) + "thumb";
    BackupBuilder backup(freshFolder("notes-files"));
    const std::string thumbnailId =
        backup.addFile(notes::Domain, "Accounts/LocalAccount/Previews/T-111-1-192x144-0.png", picture);
    const std::string photoId = backup.addFile(notes::Domain, "Accounts/LocalAccount/Media/M-222/1/IMG_1.JPG", "jpg");
    addStore(backup,
             "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZTITLE1, ZTHUMBNAILATTACHMENTIDENTIFIER) VALUES"
             " (1, 'With thumbnail', 'T-111'), (2, 'Thumbnail not backed up', 'T-999');"
             "INSERT INTO ZICNOTEDATA (ZNOTE) VALUES (1), (2);"
             "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZIDENTIFIER, ZFILENAME) VALUES"
             " (10, 'M-222', 'IMG_1.jpeg'), (11, 'M-333', 'lost.mov');"
             "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZNOTE, ZMEDIA, ZFILESIZE) VALUES"
             " (20, 1, 10, 4096), (21, 2, 11, 77), (22, 2, NULL, 5);");
    backup.write();
    const std::string out = freshFolder("out");

    const auto records = scanNotes(backup, out);

    STNotes withThumbnail = note(1, L"With thumbnail");
    withThumbnail.thumbnailFile = widen(out + "/" + thumbnailId + ".png");
    const std::string photoCopy = out + "/" + photoId + ".jpeg";
    EXPECT_EQ(sorted(records),
              sorted({noteLine(withThumbnail), noteLine(note(2, L"Thumbnail not backed up")),
                      attachmentLine(1, widen(photoCopy), 4096), attachmentLine(2, L"", 77),
                      attachmentLine(2, L"", 5)}));
    EXPECT_EQ(readFile(out + "/" + thumbnailId + ".png"), picture);
    EXPECT_EQ(readFile(photoCopy), "jpg");
}

// A crafted body must neither exhaust memory nor hide the other notes: the
// bomb is 512 MiB of zeros in about half a megabyte.
TEST(Notes, OversizedAndCutShortBodiesLeaveOnlyTheirOwnBodyEmpty)
{
    const std::string good = notes::gzip(notes::bodyMessage("still here"));
    const std::string cut = notes::gzip(notes::bodyMessage(std::string(4000, 'x')));
    BackupBuilder backup(freshFolder("notes-bomb"));
    addStore(backup, noteRow(1, "Before", sqlBlob(good)) +
                         noteRow(2, "Bomb", sqlBlob(notes::gzipZeros(size_t(512) << 20))) +
                         noteRow(3, "Cut", sqlBlob(cut.substr(0, cut.size() / 2))) +
                         noteRow(4, "After", sqlBlob(notes::zlib(notes::bodyMessage("me too")))));
    backup.write();
    const std::string out = freshFolder("out");
    const std::string timeFile = out + "-peak";

    int exitCode = -1;
    const std::string traceFile = out + "-trace";
    const auto printed = splitLines(runCommand("QUENROW_DEBUG_TRACE=1 /usr/bin/time -f %M -o " + shellQuote(timeFile) +
                                                   " " + VARDEX_SCAN_PATH + " --backup " + shellQuote(backup.folder()) +
                                                   " --mask 0x400 --out " + shellQuote(out) + " 2>" +
                                                   shellQuote(traceFile),
                                               &exitCode));
    ASSERT_EQ(exitCode, 0);

    STNotes before = note(1, L"Before"), after = note(4, L"After");
    before.body = L"still here", after.body = L"me too";
    EXPECT_EQ(recordLines(printed, DBAPP_NOTES), (std::vector<std::string> {noteLine(before), noteLine(note(2, L"Bomb")),
                                                                           noteLine(note(3, L"Cut")),
                                                                           noteLine(after)}));
    const long peakKilobytes = std::atol(readFile(timeFile).c_str());
    EXPECT_GT(peakKilobytes, 0);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    // Sanitizers keep freed memory and shadow every byte: no bound to hold them to.
    EXPECT_LT(peakKilobytes, 320L * 1024) << "peak resident size in kB";
#endif
    const std::string log = logText("Vardex.log");
    EXPECT_NE(log.find("scanNotes error: note 2 body exceeds 64 MiB"), std::string::npos);
    EXPECT_EQ(log.find("scanNotes error: note 3 body exceeds"), std::string::npos);
    // The cut-short body is a failed inflation, told on the debugger output.
    EXPECT_NE(readFile(traceFile).find("scanNotes error: failed to inflate data"), std::string::npos);
}

TEST(Notes, InflatersStopAtTheBoundAndAtTheEndOfTheInput)
{
    const std::string payload(1000, 'n');
    const struct
    {
        const char *name;
        std::string (*wrap)(const std::string &);
        bool gzip;
    } wrappers[] = {{"gzip", notes::gzip, true}, {"zlib", notes::zlib, false}};
    for (const auto &w : wrappers) {
        SCOPED_TRACE(w.name);
        const std::string stream = w.wrap(payload);
        const auto inflate = [&](const std::string &data, size_t limit, bool &tooLarge) {
            std::string out;
            if (w.gzip) {
                const bool ok = CDBScanNotes::InflateGzip(data, out, limit, &tooLarge);
                EXPECT_EQ(ok, !out.empty());
            } else {
                out = CDBScanNotes::InflateZlib(data, limit, &tooLarge);
            }
            return out;
        };
        bool tooLarge = true;
        EXPECT_EQ(inflate(stream, payload.size(), tooLarge), payload);
        EXPECT_FALSE(tooLarge);
        EXPECT_EQ(inflate(stream, payload.size() - 1, tooLarge), "");
        EXPECT_TRUE(tooLarge);
        // Cut anywhere before its end, a stream gives nothing, not its start.
        for (const size_t keep : {size_t(0), size_t(2), stream.size() / 2, stream.size() - 1}) {
            EXPECT_EQ(inflate(stream.substr(0, keep), CDBScanNotes::MaxBodySize, tooLarge), "") << keep;
            EXPECT_FALSE(tooLarge);
        }
    }
}

TEST(Notes, RealBodiesDecodeAsStored)
{
    const struct
    {
        const char *file;
        std::string start;
        std::string within;
    } cases[] = {
        {"simple_note_protobuf_gzipped.bin", "Title", ""},
        {"html_gzipped.bin", Html, ""},
        {"wide_characters_gzipped.bin", "\xE4\xBD\x86\xE4\xBB\x96\xE9\x82\x84\xE6\x98\xAF\xE5\xB8\x8C\xE6\x9C\x9B\n",
         "\n\n\xEF\xBF\xBC\n"},
        {"emoji_formatting_1_gzipped.bin", "Emojis and formatting\n\n\xF0\x9F\x9A\x80" "1",
         "\xF0\x9F\xA7\x91\xE2\x80\x8D\xF0\x9F\x92\xBB" "6"},
        // An embedded table's own data, not a note body.
        {"table_gzipped.bin", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const std::string blob = realData(std::string("notes/bodies/") + c.file);
        std::string inflated;
        ASSERT_TRUE(CDBScanNotes::InflateGzip(blob, inflated));
        std::wstring text;
        EXPECT_EQ(CDBScanNotes::ParseNoteBody(inflated, text), !c.start.empty());
        const std::string utf8 = narrow(text);
        EXPECT_EQ(utf8.substr(0, c.start.size()), c.start);
        EXPECT_NE(utf8.find(c.within), std::string::npos);
    }
    // The same body uncompressed parses, but a stored body is always compressed.
    std::wstring text;
    const std::string raw = realData("notes/bodies/simple_note_protobuf.bin");
    EXPECT_TRUE(CDBScanNotes::ParseNoteBody(raw, text));
    EXPECT_EQ(text, L"Title");
    EXPECT_EQ(CDBScanNotes::InflateZlib(raw), "");
}

TEST(Notes, RealIos15Store)
{
    const std::string store = realData("notes/NoteStore-ios15.sqlite");
    BackupBuilder backup(freshFolder("notes-real"));
    backup.addFile(notes::Domain, notes::StorePath, store);
    backup.write();

    const auto locked = [](int32_t pk, const std::wstring &title, int64_t date, const std::wstring &tag) {
        STNotes record = note(pk, title);
        record.creationDate = date, record.isPasswordProtected = 1;
        record.passwordHint = L"Who\u2019s Password?", record.cryptoTag = tag;
        return noteLine(record);
    };
    const auto open = [](int32_t pk, const std::wstring &title, const std::wstring &snippet, int64_t date,
                         const std::wstring &body) {
        STNotes record = note(pk, title);
        record.snippet = snippet, record.creationDate = date, record.body = body;
        return noteLine(record);
    };
    EXPECT_EQ(scanNotes(backup, freshFolder("out")),
              (std::vector<std::string> {
                  locked(8, L"My Secret Note", 607048951, L"a51531294390383279ceebba917d2ddc"),
                  locked(9, L"iOS 14 Locked Note", 635114229, L"ce128b56079020db04e76b1947c59d04"),
                  locked(10, L"My Super Secret Note", 607049317, L"c2311310422e287cd7e6f8a4ad9c9367"),
                  open(11, L"My First Note", L"This is my first note. Nothing special.", 607048608,
                       L"My First Note\n\nThis is my first note.  Nothing special. \n"),
                  open(12, L"iOS 14 Note", L"This is a note created for iOS 14. It is created on iPhone.", 635113301,
                       L"iOS 14 Note\n\nThis is a note created for iOS 14.  It is created on iPhone. "),
                  open(29, L"iOS 15 Note", L"Here is the test iOS 15 note.", 705372986,
                       L"iOS 15 Note\n\nHere is the test iOS 15 note. "),
                  locked(31, L"Secure iOS 15 Note", 705373153, L"7960fbb600744c72637aa51fcecea3d7"),
              }));
}
