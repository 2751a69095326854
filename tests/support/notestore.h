#pragma once

// Notes databases for tests and the sample backup: the store's schema in
// both creation-date variants, and note bodies as the device stores them (a
// body message, gzip- or zlib-compressed).

#include <cstddef>
#include <optional>
#include <string>

namespace testsupport::notes
{
    inline const char *const Domain = "AppDomainGroup-group.com.apple.notes";
    inline const char *const StorePath = "NoteStore.sqlite";

    // The notes, folders and attachments table and the body table. A newer
    // store dates notes with ZCREATIONDATE1 and ZCREATIONDATE3, an older one
    // with ZCREATIONDATE and ZCREATIONDATE1.
    std::string storeSchema(bool newer);

    // A serialized body message; std::nullopt leaves out the part that holds
    // the text.
    std::string bodyMessage(const std::optional<std::string> &text);
    std::string gzip(const std::string &bytes);
    std::string zlib(const std::string &bytes);
    // gzip of count zero bytes, compressed a block at a time.
    std::string gzipZeros(size_t count);
}
