#pragma once

#include "idbprocessor.h"

#include <cstddef>
#include <string>
#include <string_view>

// Turns the rows of the notes queries into records: query 0 gives the notes
// with their compressed bodies, query 1 their attachments.
class CDBScanNotes : public IDBProcessor
{
public:
    // A body that inflates to more than this is left out: a few kilobytes of
    // a crafted stream can otherwise claim all memory.
    static constexpr size_t MaxBodySize = size_t(64) << 20;

    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

    // Inflate one whole gzip or zlib stream. Only a stream that reaches its
    // end counts; output beyond limit fails and sets *tooLarge.
    static bool InflateGzip(std::string_view data, std::string &out, size_t limit = MaxBodySize,
                            bool *tooLarge = nullptr);
    static std::string InflateZlib(std::string_view data, size_t limit = MaxBodySize, bool *tooLarge = nullptr);
    // The note text of a body message; false when it does not parse or holds no text.
    static bool ParseNoteBody(const std::string &bytes, std::wstring &text);

private:
    static void ProcessNote(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    static void ProcessAttachment(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    static std::wstring DecodeBody(sqlite3_stmt *row, int32_t pk);
    static std::wstring CryptoTag(sqlite3_stmt *row, int column);
};
