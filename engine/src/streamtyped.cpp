#include "streamtyped.h"

#include "engineutil.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace
{
    // The format's markers: an integer wider than a byte follows (2 or 4
    // bytes, little-endian), a new object, class or string follows, no
    // class, the end of an object; bytes from FirstReference on name
    // something the stream gave before.
    constexpr uint8_t Int16Tag = 0x81;
    constexpr uint8_t Int32Tag = 0x82;
    constexpr uint8_t NewTag = 0x84;
    constexpr uint8_t NilTag = 0x85;
    constexpr uint8_t EndTag = 0x86;
    constexpr uint8_t FirstReference = 0x92;

    constexpr std::string_view Header("\x04\x0bstreamtyped", 13);
    // The class name as the stream spells a new one: the marker, its length,
    // then its bytes.
    constexpr std::string_view StringClass("\x84\x08NSString", 10);
    // An NSString's content is one value of type "+": a length, then bytes.
    constexpr std::string_view BytesType("\x84\x01+", 3);
    // A class chain longer than this is not an archive of ours.
    constexpr int MaxSuperclasses = 16;

    class Reader
    {
    public:
        Reader(const uint8_t *data, size_t size)
            : m_data(data)
            , m_size(size)
        {
        }

        size_t remaining() const { return m_size - m_position; }
        const uint8_t *position() const { return m_data + m_position; }

        std::optional<uint8_t> peek() const
        {
            return m_position < m_size ? std::optional<uint8_t>(m_data[m_position]) : std::nullopt;
        }

        std::optional<uint8_t> byte()
        {
            const auto value = peek();
            if (value)
                ++m_position;
            return value;
        }

        bool skip(size_t count)
        {
            if (count > remaining())
                return false;
            m_position += count;
            return true;
        }

        bool expect(std::string_view bytes)
        {
            if (bytes.size() > remaining() || !std::equal(bytes.begin(), bytes.end(), position(),
                                                          [](char a, uint8_t b) { return uint8_t(a) == b; }))
                return false;
            m_position += bytes.size();
            return true;
        }

        // Moves past the first occurrence of the bytes; false when there is none.
        bool skipPast(std::string_view bytes)
        {
            const auto *begin = reinterpret_cast<const char *>(position());
            const std::string_view rest(begin, remaining());
            const size_t found = rest.find(bytes);
            if (found == std::string_view::npos)
                return false;
            m_position += found + bytes.size();
            return true;
        }

        // A count: one byte below 0x80, or a marker and 2 or 4 bytes.
        std::optional<uint64_t> count()
        {
            const auto first = byte();
            if (!first)
                return std::nullopt;
            if (*first < 0x80)
                return *first;
            const size_t width = *first == Int16Tag ? 2 : *first == Int32Tag ? 4 : 0;
            if (width == 0 || width > remaining())
                return std::nullopt;
            uint64_t value = 0;
            for (size_t i = 0; i < width; ++i)
                value |= uint64_t(m_data[m_position + i]) << (8 * i);
            m_position += width;
            return value;
        }

    private:
        const uint8_t *m_data;
        size_t m_size;
        size_t m_position = 0;
    };

    // A class as the stream gives it: none, one given before, or a new one
    // (its name, its version, then its own superclass).
    bool skipClass(Reader &reader)
    {
        for (int depth = 0; depth < MaxSuperclasses; ++depth) {
            const auto marker = reader.byte();
            if (!marker)
                return false;
            if (*marker == NilTag || *marker >= FirstReference)
                return true;
            if (*marker != NewTag)
                return false;
            const auto name = reader.peek();
            if (name == NewTag) {
                reader.byte();
                const auto length = reader.count();
                if (!length || !reader.skip(*length))
                    return false;
            } else if (!name || *name < FirstReference || !reader.byte()) {
                return false;
            }
            if (!reader.count())
                return false;
        }
        return false;
    }
}

std::wstring StreamTypedText(const uint8_t *data, size_t size)
{
    if (!data)
        return {};
    Reader reader(data, size);
    // Nothing before the first NSString holds text: the attributed string's
    // own class chain only. A mutable string's chain names NSString too.
    if (!reader.expect(Header) || !reader.skipPast(StringClass))
        return {};
    if (!reader.count() || !skipClass(reader) || !reader.expect(BytesType))
        return {};
    const auto length = reader.count();
    if (!length || *length > reader.remaining())
        return {};
    const auto *text = reinterpret_cast<const char *>(reader.position());
    reader.skip(*length);
    // A length that does not end where the object ends is a damaged archive.
    if (reader.byte() != EndTag)
        return {};
    return Utf8ToWide(text, size_t(*length));
}
