// A note's body as the notes scan reads it from NoteStore.sqlite: gzip or
// zlib, inflated up to 64 MiB, then the body message.
#include "backupbuilder.h"
#include "fuzzsupport.h"
#include "idbexecutor.h"
#include "notestore.h"
#include "sqlliteral.h"

#include <google/protobuf/stubs/logging.h>
#include <zlib.h>

#include <cstring>
#include <memory>
#include <string>

using namespace testsupport;

namespace
{
    std::string g_backup;
    std::unique_ptr<fuzzsupport::Column> g_body;

    // A complete gzip or zlib stream of at most 1 MiB inflated, or nothing.
    bool gunzip(const uint8_t *data, size_t size, std::string &out)
    {
        z_stream stream {};
        if (inflateInit2(&stream, 15 + 32) != Z_OK)
            return false;
        stream.next_in = const_cast<Bytef *>(data);
        stream.avail_in = uInt(size);
        char buffer[4096];
        int rc = Z_OK;
        while (rc == Z_OK && out.size() < (1u << 20)) {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            rc = inflate(&stream, Z_NO_FLUSH);
            out.append(buffer, sizeof buffer - stream.avail_out);
        }
        inflateEnd(&stream);
        return rc == Z_STREAM_END;
    }
}

extern "C" size_t LLVMFuzzerMutate(uint8_t *data, size_t size, size_t maxSize);

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::quietLogs();
    // Text that is not UTF-8 is expected here; protobuf would say so at every input.
    google::protobuf::SetLogHandler(nullptr);
    BackupBuilder backup(fuzzsupport::freshFolder("backup"));
    const std::string body = notes::gzip(notes::bodyMessage("a note"));
    const std::string store = backup.addDatabase(
        notes::Domain, notes::StorePath,
        notes::storeSchema(true) +
            "INSERT INTO ZICCLOUDSYNCINGOBJECT (Z_PK, ZTITLE1, ZSNIPPET, ZCREATIONDATE1) VALUES (1, 'Note', 'a', 1);"
            "INSERT INTO ZICNOTEDATA (Z_PK, ZNOTE, ZDATA) VALUES (1, 1, " +
            sqlBlob(body) + ");");
    backup.write();
    g_backup = backup.folder();
    g_body = std::make_unique<fuzzsupport::Column>(backup.pathOf(store), "UPDATE ZICNOTEDATA SET ZDATA = ?1");
    return 0;
}

// Mutations of a compressed body rarely make another stream that inflates:
// half the time the inflated message is mutated and compressed again.
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t *data, size_t size, size_t maxSize, unsigned int seed)
{
    std::string inflated;
    if ((seed & 1) && gunzip(data, size, inflated)) {
        inflated.resize(inflated.size() + 64);
        const size_t length = LLVMFuzzerMutate(reinterpret_cast<uint8_t *>(inflated.data()),
                                               inflated.size() - 64, inflated.size());
        inflated.resize(length);
        const std::string again = (seed & 2) ? notes::zlib(inflated) : notes::gzip(inflated);
        if (again.size() <= maxSize) {
            std::memcpy(data, again.data(), again.size());
            return again.size();
        }
    }
    return LLVMFuzzerMutate(data, size, maxSize);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    g_body->set(data, size);
    fuzzsupport::scan(g_backup, DBAPP_NOTES);
    return 0;
}
