#include "attributedbody.h"
#include "scanrecorder.h"
#include "streamtyped.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testsupport;

namespace
{
    // Decodes from a buffer of exactly the archive's size, so that a read
    // past its end is a read outside the allocation.
    std::wstring decode(const std::string &archive)
    {
        const std::vector<uint8_t> bytes(archive.begin(), archive.end());
        return StreamTypedText(bytes.data(), bytes.size());
    }

    // Where the string object ends in an archive of ours: its end marker.
    size_t stringEnd(const std::string &archive, const std::string &text)
    {
        return archive.find(text + "\x86") + text.size();
    }

    struct TextCase
    {
        const char *name;
        std::string text;
        AttributedBodyOptions options;
    };
}

TEST(StreamTyped, TextOfTheFirstStringAtEveryLengthEncoding)
{
    const TextCase cases[] = {
        {"short", "Hello world", {}},
        {"empty", "", {}},
        {"127 bytes, one length byte", std::string(127, 'a'), {}},
        {"128 bytes, 0x81 and 2 bytes", std::string(128, 'b'), {}},
        {"200 bytes", std::string(199, 'c') + "!", {}},
        {"40000 bytes, 0x82 and 4 bytes", std::string(40000, 'd'), {}},
        {"multi-byte", "Grüße 😀 中文テキスト", {}},
        // An attachment's place stays in the text; the scan decides about it.
        {"attachment mark and caption", "\xEF\xBF\xBC" "Look at this", {}},
        {"mutable string", "Edited text", {{}, true}},
        {"the first string is the text", "__kIMMessagePartAttributeName", {}},
    };
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decode(attributedBody(c.text, c.options)), widen(c.text));
    }
    const std::string bigger = attributedBody(std::string(40000, 'd'));
    EXPECT_NE(bigger.find(std::string("\x84\x01+\x82\x40\x9c\x00\x00", 8)), std::string::npos);
    const std::string medium = attributedBody(std::string(200, 'c'));
    EXPECT_NE(medium.find(std::string("\x84\x01+\x81\xc8\x00", 6)), std::string::npos);
}

TEST(StreamTyped, BadBytesInTheTextBecomeReplacementCharacters)
{
    EXPECT_EQ(decode(attributedBody("a\xFF" "b")), L"a\uFFFDb");
}

TEST(StreamTyped, ADamagedArchiveGivesNoText)
{
    const std::string text = "Grüße 😀";
    const std::string archive = attributedBody(text);
    // Cut anywhere before the string object's end: no text, and nothing
    // read past the cut.
    for (size_t size = 0; size <= stringEnd(archive, text); ++size)
        EXPECT_EQ(decode(archive.substr(0, size)), L"") << "cut at " << size;
    // What follows the string (its attribute runs) is not needed for the text.
    EXPECT_EQ(decode(archive.substr(0, stringEnd(archive, text) + 1)), widen(text));

    const uint32_t length = uint32_t(text.size());
    const struct
    {
        const char *name;
        std::string archive;
    } cases[] = {
        {"stated length one short", attributedBody(text, {length - 1})},
        {"stated length one long", attributedBody(text, {length + 1})},
        {"stated length past the archive", attributedBody(text, {uint32_t(archive.size())})},
        {"stated length of 4 GiB", attributedBody(text, {0xFFFFFFFFu})},
        {"stated length zero", attributedBody(text, {0u})},
        {"no header", archive.substr(13)},
        {"another format's header", "bplist00" + archive.substr(8)},
        {"no string object", std::string("\x04\x0bstreamtyped\x81\xe8\x03\x84\x01@\x86", 20)},
        {"a length marker without its bytes",
         std::string("\x04\x0bstreamtyped", 13) + std::string("\x84\x08NSString\x01\x94\x84\x01+\x82\x05", 17)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decode(c.archive), L"") << c.name;
    EXPECT_EQ(StreamTypedText(nullptr, 10), L"");
}

// Each byte of an archive replaced by each marker of the format, and by the
// extremes: whatever comes out, nothing is read outside the archive (the
// sanitizer builds check that).
TEST(StreamTyped, AnyByteChangedIsReadSafely)
{
    const std::string archive = attributedBody("Tap to see 😀", {{}, true});
    size_t texts = 0;
    for (size_t at = 0; at < archive.size(); ++at) {
        for (unsigned char value : {0x00, 0x01, 0x7F, 0x80, 0x81, 0x82, 0x84, 0x85, 0x86, 0x92, 0xFF}) {
            std::string changed = archive;
            changed[at] = char(value);
            texts += !decode(changed).empty();
        }
    }
    EXPECT_GT(texts, 0u);
}
