#include "plistguard.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace PlistGuard
{
    namespace
    {
        constexpr size_t TrailerSize = 32;
        constexpr char BinaryMagic[] = "bplist00";

        // A big-endian number of width bytes at data[at].
        uint64_t bigEndian(const unsigned char *data, size_t at, unsigned width)
        {
            uint64_t value = 0;
            for (unsigned i = 0; i < width; ++i)
                value = (value << 8) | data[at + i];
            return value;
        }

        bool binaryAcceptable(const unsigned char *data, size_t size)
        {
            if (size < 8 + TrailerSize)
                return false;
            const size_t trailer = size - TrailerSize;
            const unsigned offsetWidth = data[trailer + 6];
            const unsigned refWidth = data[trailer + 7];
            const uint64_t objects = bigEndian(data, trailer + 8, 8);
            const uint64_t top = bigEndian(data, trailer + 16, 8);
            const uint64_t table = bigEndian(data, trailer + 24, 8);
            if (offsetWidth < 1 || offsetWidth > 8 || refWidth < 1 || refWidth > 8 || objects == 0 ||
                top >= objects || table < 8 || table > trailer || objects > (trailer - table) / offsetWidth)
                return false;
            // Where object i starts; 0 for an offset outside the objects.
            auto offsetOf = [&](uint64_t i) -> size_t {
                const uint64_t offset = bigEndian(data, size_t(table + i * offsetWidth), offsetWidth);
                return offset >= 8 && offset < table ? size_t(offset) : 0;
            };

            std::vector<std::pair<uint64_t, int>> pending {{top, 1}};
            size_t nodes = 0;
            while (!pending.empty()) {
                const auto [index, depth] = pending.back();
                pending.pop_back();
                if (++nodes > MaxNodes)
                    return false;
                size_t at = offsetOf(index);
                if (at == 0)
                    return false;
                const unsigned type = data[at] >> 4;
                uint64_t count = data[at] & 0x0F;
                if (type != 0xA && type != 0xC && type != 0xD)
                    continue; // no references inside
                if (depth > MaxDepth)
                    return false;
                ++at;
                if (count == 0x0F) {
                    // The count follows as an integer object of 1, 2, 4 or 8 bytes.
                    if (at >= table || (data[at] >> 4) != 0x1 || (data[at] & 0x0F) > 3)
                        return false;
                    const unsigned width = 1u << (data[at] & 0x0F);
                    if (width > table - at - 1)
                        return false;
                    count = bigEndian(data, at + 1, width);
                    at += 1 + width;
                }
                const uint64_t references = type == 0xD ? count * 2 : count;
                if (count > MaxNodes || references > (table - at) / refWidth)
                    return false;
                for (uint64_t i = 0; i < references; ++i) {
                    const uint64_t child = bigEndian(data, size_t(at + i * refWidth), refWidth);
                    if (child >= objects)
                        return false;
                    pending.emplace_back(child, depth + 1);
                    if (pending.size() > MaxNodes)
                        return false;
                }
            }
            return true;
        }

        // "<array" or "<dict" opens a level unless the tag ends "/>"; "</array"
        // and "</dict" close one. Everything else is left to the parser.
        bool textAcceptable(const char *data, size_t size)
        {
            auto startsWith = [&](size_t at, const char *word) {
                const size_t length = std::strlen(word);
                return size - at >= length && std::memcmp(data + at, word, length) == 0;
            };
            int depth = 0;
            for (size_t at = 0; at < size; ++at) {
                if (data[at] != '<')
                    continue;
                if (startsWith(at, "</array") || startsWith(at, "</dict")) {
                    depth = depth > 0 ? depth - 1 : 0;
                    continue;
                }
                if (!startsWith(at, "<array") && !startsWith(at, "<dict"))
                    continue;
                const void *close = std::memchr(data + at, '>', size - at);
                if (!close)
                    break;
                const auto end = size_t(static_cast<const char *>(close) - data);
                if (data[end - 1] != '/' && ++depth > MaxDepth)
                    return false;
                at = end;
            }
            return true;
        }
    }

    bool acceptable(const char *data, size_t size)
    {
        if (!data)
            return false;
        if (size >= 8 && std::memcmp(data, BinaryMagic, 8) == 0)
            return binaryAcceptable(reinterpret_cast<const unsigned char *>(data), size);
        return textAcceptable(data, size);
    }

    bool acceptable(plist_t root)
    {
        if (!root)
            return true;
        std::vector<std::pair<plist_t, int>> pending {{root, 1}};
        size_t nodes = 0;
        while (!pending.empty()) {
            const auto [node, depth] = pending.back();
            pending.pop_back();
            if (++nodes > MaxNodes)
                return false;
            const plist_type type = plist_get_node_type(node);
            if ((type == PLIST_ARRAY || type == PLIST_DICT) && depth > MaxDepth)
                return false;
            if (type == PLIST_ARRAY) {
                const uint32_t count = plist_array_get_size(node);
                for (uint32_t i = 0; i < count; ++i)
                    pending.emplace_back(plist_array_get_item(node, i), depth + 1);
            } else if (type == PLIST_DICT) {
                plist_dict_iter iter = nullptr;
                plist_dict_new_iter(node, &iter);
                plist_t item = nullptr;
                // No key asked for: reading one with a NUL inside aborts.
                for (plist_dict_next_item(node, iter, nullptr, &item); item;
                     plist_dict_next_item(node, iter, nullptr, &item))
                    pending.emplace_back(item, depth + 1);
                std::free(iter);
            }
            if (pending.size() > MaxNodes)
                return false;
        }
        return true;
    }

    bool holdsNul(plist_t node)
    {
        char *xml = nullptr;
        uint32_t length = 0;
        plist_to_xml(node, &xml, &length);
        const bool nul = xml && std::memchr(xml, '\0', length) != nullptr;
        free(xml);
        return nul;
    }
}
