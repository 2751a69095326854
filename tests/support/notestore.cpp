#include "notestore.h"

#include "note.pb.h"

#include <zlib.h>

#include <stdexcept>

namespace testsupport::notes
{
    namespace
    {
        // Deflates count bytes produced by next() with the given wrapper.
        template <typename Next>
        std::string deflateStream(int windowBits, size_t count, Next next)
        {
            z_stream stream {};
            if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 9, Z_DEFAULT_STRATEGY) != Z_OK)
                throw std::runtime_error("deflateInit2 failed");
            std::string out;
            char buffer[1 << 16];
            size_t left = count;
            int rc = Z_OK;
            do {
                std::string chunk = next(left);
                left -= chunk.size();
                stream.next_in = reinterpret_cast<Bytef *>(chunk.data());
                stream.avail_in = uInt(chunk.size());
                const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
                do {
                    stream.next_out = reinterpret_cast<Bytef *>(buffer);
                    stream.avail_out = sizeof buffer;
                    rc = deflate(&stream, flush);
                    out.append(buffer, sizeof buffer - stream.avail_out);
                } while (stream.avail_out == 0);
            } while (left > 0);
            deflateEnd(&stream);
            if (rc != Z_STREAM_END)
                throw std::runtime_error("deflate did not finish");
            return out;
        }

        std::string compress(const std::string &bytes, int windowBits)
        {
            return deflateStream(windowBits, bytes.size(), [&](size_t) { return bytes; });
        }
    }

    std::string storeSchema(bool newer)
    {
        const std::string dates = newer ? "ZCREATIONDATE1 TIMESTAMP, ZCREATIONDATE3 TIMESTAMP"
                                        : "ZCREATIONDATE TIMESTAMP, ZCREATIONDATE1 TIMESTAMP";
        return "CREATE TABLE ZICCLOUDSYNCINGOBJECT (Z_PK INTEGER PRIMARY KEY, ZTITLE1 VARCHAR, ZSNIPPET VARCHAR, " +
               dates +
               ", ZTHUMBNAILATTACHMENTIDENTIFIER VARCHAR, ZISPASSWORDPROTECTED INTEGER, ZPASSWORDHINT VARCHAR, "
               "ZMARKEDFORDELETION INTEGER, ZFOLDER INTEGER, ZFOLDERTYPE INTEGER, ZTITLE2 VARCHAR, ZNOTE INTEGER, "
               "ZMEDIA INTEGER, ZFILESIZE INTEGER, ZIDENTIFIER VARCHAR, ZFILENAME VARCHAR);"
               "CREATE TABLE ZICNOTEDATA (Z_PK INTEGER PRIMARY KEY, ZNOTE INTEGER, ZCRYPTOTAG BLOB, ZDATA BLOB);";
    }

    std::string bodyMessage(const std::optional<std::string> &text)
    {
        Note::datainfo body;
        if (text)
            body.mutable_item()->mutable_itemcontact()->set_contact(*text);
        return body.SerializeAsString();
    }

    std::string gzip(const std::string &bytes)
    {
        return compress(bytes, 15 + 16);
    }

    std::string zlib(const std::string &bytes)
    {
        return compress(bytes, 15);
    }

    std::string gzipZeros(size_t count)
    {
        const size_t block = size_t(1) << 20;
        return deflateStream(15 + 16, count, [&](size_t left) { return std::string(std::min(left, block), '\0'); });
    }
}
