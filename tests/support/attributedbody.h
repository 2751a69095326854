#pragma once

// Message texts as newer phones store them in sms.db's attributedBody: an
// NSAttributedString archived in the "streamtyped" format. The archive
// holds the text's UTF-8 bytes after their length (one byte below 0x80,
// else 0x81 and 2 bytes, or 0x82 and 4 bytes, little-endian), then the
// attribute runs.

#include <cstdint>
#include <optional>
#include <string>

namespace testsupport
{
    struct AttributedBodyOptions
    {
        // The length the archive states, instead of the text's own.
        std::optional<uint32_t> statedLength;
        // Archived as NSMutableAttributedString with an NSMutableString.
        bool mutableString = false;
    };

    std::string attributedBody(const std::string &utf8Text, const AttributedBodyOptions &options = {});

    // A length as the format writes it.
    std::string streamTypedCount(uint32_t value);
}
