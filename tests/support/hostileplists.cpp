#include "hostileplists.h"

#include <cstdint>
#include <vector>

namespace testsupport
{
    namespace
    {
        void bigEndian(std::string &out, uint64_t value, int width)
        {
            for (int i = width - 1; i >= 0; --i)
                out += char((value >> (8 * i)) & 0xFF);
        }

        // "bplist00", the objects (object i references object i + 1 refs
        // times, the last is the integer 7), the offsets and the trailer.
        std::string chainOfArrays(int levels, int refs)
        {
            const int refWidth = levels + 1 > 0xFF ? 4 : 1;
            std::string out = "bplist00";
            std::vector<uint64_t> offsets;
            for (int i = 0; i < levels; ++i) {
                offsets.push_back(out.size());
                out += char(0xA0 | refs);
                for (int r = 0; r < refs; ++r)
                    bigEndian(out, uint64_t(i + 1), refWidth);
            }
            offsets.push_back(out.size());
            out += "\x10\x07";
            const uint64_t table = out.size();
            for (uint64_t offset : offsets)
                bigEndian(out, offset, 4);
            out += std::string(6, '\0');
            out += char(4);
            out += char(refWidth);
            bigEndian(out, offsets.size(), 8);
            bigEndian(out, 0, 8);
            bigEndian(out, table, 8);
            return out;
        }
    }

    std::string sharedArraysPlist(int levels)
    {
        return chainOfArrays(levels, 2);
    }

    std::string nestedArraysPlist(int depth, bool binary)
    {
        if (binary)
            return chainOfArrays(depth, 1);
        std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">";
        for (int i = 0; i < depth; ++i)
            out += "<array>";
        out += "<integer>7</integer>";
        for (int i = 0; i < depth; ++i)
            out += "</array>";
        return out + "</plist>\n";
    }
}
