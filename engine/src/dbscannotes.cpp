#include "dbscannotes.h"

#include "dbmediamanager.h"
#include "dbrecords.h"
#include "enginelog.h"
#include "engineutil.h"
#include "note.pb.h"

#include <sqlite3.h>
#include <zlib.h>

#include <algorithm>

namespace
{
    enum class Inflated
    {
        Done,
        Failed,
        TooLarge,
    };

    // Inflates data whole into out, the buffer doubling up to one byte past
    // limit: filling that byte means the stream is too large. A call that
    // makes no progress with input left to give means a cut-short stream.
    Inflated inflateBounded(std::string_view data, int windowBits, size_t limit, std::string &out, bool &initFailed)
    {
        out.clear();
        z_stream stream {};
        initFailed = inflateInit2(&stream, windowBits) != Z_OK;
        if (initFailed)
            return Inflated::Failed;
        // zlib counts in 32-bit units; bodies larger than that are not notes.
        if (data.size() > 0x7FFFFFFFu) {
            inflateEnd(&stream);
            return Inflated::Failed;
        }
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
        stream.avail_in = uInt(data.size());
        const size_t ceiling = limit + 1;
        out.resize(std::min(std::max<size_t>(data.size() * 2, 1024), ceiling));
        size_t produced = 0;
        Inflated result = Inflated::Failed;
        for (;;) {
            if (produced == out.size()) {
                if (out.size() >= ceiling) {
                    result = Inflated::TooLarge;
                    break;
                }
                out.resize(std::min(out.size() * 2, ceiling));
            }
            const size_t room = std::min<size_t>(out.size() - produced, 0x7FFFFFFFu);
            stream.next_out = reinterpret_cast<Bytef *>(&out[produced]);
            stream.avail_out = uInt(room);
            const uInt inputBefore = stream.avail_in;
            const int rc = inflate(&stream, Z_NO_FLUSH);
            produced += room - stream.avail_out;
            if (rc == Z_STREAM_END) {
                result = produced > limit ? Inflated::TooLarge : Inflated::Done;
                break;
            }
            const bool progress = stream.avail_in != inputBefore || stream.avail_out != room;
            if (rc == Z_OK || (rc == Z_BUF_ERROR && progress))
                continue;
            break;
        }
        inflateEnd(&stream);
        if (result == Inflated::Done)
            out.resize(produced);
        else
            std::string().swap(out);
        return result;
    }

    std::wstring lowercaseHex(const unsigned char *bytes, size_t length)
    {
        static const wchar_t digits[] = L"0123456789abcdef";
        std::wstring hex;
        hex.reserve(length * 2);
        for (size_t i = 0; i < length; ++i) {
            hex += digits[bytes[i] >> 4];
            hex += digits[bytes[i] & 0xF];
        }
        return hex;
    }
}

void CDBScanNotes::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    if (queryIndex == 0)
        ProcessNote(row, user, callback);
    else if (queryIndex == 1)
        ProcessAttachment(row, user, callback);
}

void CDBScanNotes::ProcessNote(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STNotes note;
    note.inSpecialFolder = IntColumn(row, 10) != 0 ? 1 : 0;
    note.pk = IntColumn(row, 0);
    note.title = TextColumn(row, 1);
    note.snippet = TextColumn(row, 2);
    const int64_t lastDate = Int64Column(row, 4);
    note.creationDate = lastDate > 0 ? lastDate : Int64Column(row, 3);
    const std::wstring thumbnail = TextColumn(row, 5);
    if (!thumbnail.empty())
        note.thumbnailFile = DBMediaManager::Instance().ExportLike(thumbnail, L".png");
    note.isPasswordProtected = IntColumn(row, 6);
    note.passwordHint = TextColumn(row, 7);
    note.cryptoTag = CryptoTag(row, 8);
    // A locked body is cipher text: whatever it happened to decode to would be garbage.
    if (note.isPasswordProtected == 0)
        note.body = DecodeBody(row, note.pk);
    Deliver(callback, DBAPP_NOTES, 0, &note, user);
}

void CDBScanNotes::ProcessAttachment(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STNotesAttachment attachment;
    attachment.noteId = IntColumn(row, 0);
    attachment.fileSize = Int64Column(row, 1);
    const std::wstring identifier = TextColumn(row, 2);
    if (!identifier.empty())
        attachment.file =
            DBMediaManager::Instance().ExportLike(identifier, DBMediaManager::GetExtension(TextColumn(row, 3)));
    Deliver(callback, DBAPP_NOTES, NOTES_ATTACHMENT_SUBTYPE, &attachment, user);
}

std::wstring CDBScanNotes::DecodeBody(sqlite3_stmt *row, int32_t pk)
{
    // The column's own size, never the query's LENGTH(): that counts
    // characters, not bytes, for a value stored as text.
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(row, 9));
    const int available = sqlite3_column_bytes(row, 9);
    if (!bytes || available <= 0)
        return {};
    const std::string_view data(bytes, size_t(available));

    std::string inflated;
    bool tooLarge = false;
    const bool gzip = data.size() >= 2 && uint8_t(data[0]) == 0x1F && uint8_t(data[1]) == 0x8B;
    if (gzip)
        InflateGzip(data, inflated, MaxBodySize, &tooLarge);
    else
        inflated = InflateZlib(data, MaxBodySize, &tooLarge);
    if (tooLarge)
        VARDEX_LOG("scanNotes error: note %d body exceeds 64 MiB", pk);

    std::wstring text;
    if (!inflated.empty())
        ParseNoteBody(inflated, text);
    return text;
}

std::wstring CDBScanNotes::CryptoTag(sqlite3_stmt *row, int column)
{
    if (sqlite3_column_type(row, column) != SQLITE_BLOB)
        return TextColumn(row, column);
    const auto *bytes = static_cast<const unsigned char *>(sqlite3_column_blob(row, column));
    const int length = sqlite3_column_bytes(row, column);
    if (!bytes || length <= 0)
        return {};
    return lowercaseHex(bytes, size_t(length));
}

bool CDBScanNotes::InflateGzip(std::string_view data, std::string &out, size_t limit, bool *tooLarge)
{
    bool initFailed = false;
    const Inflated result = inflateBounded(data, 15 + 16, limit, out, initFailed);
    if (tooLarge)
        *tooLarge = result == Inflated::TooLarge;
    if (initFailed)
        DebugTraceA("scanNotes error: failed to initialize strem");
    else if (result == Inflated::Failed)
        DebugTraceA("scanNotes error: failed to inflate data");
    return result == Inflated::Done;
}

std::string CDBScanNotes::InflateZlib(std::string_view data, size_t limit, bool *tooLarge)
{
    std::string out;
    bool initFailed = false;
    const Inflated result = inflateBounded(data, 15, limit, out, initFailed);
    if (tooLarge)
        *tooLarge = result == Inflated::TooLarge;
    return out;
}

bool CDBScanNotes::ParseNoteBody(const std::string &bytes, std::wstring &text)
{
    text.clear();
    Note::datainfo body;
    if (!body.ParseFromString(bytes))
        return false;
    const std::string &contact = body.item().itemcontact().contact();
    if (contact.empty())
        return false;
    text = Utf8ToWide(contact);
    return true;
}
