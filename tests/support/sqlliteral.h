#pragma once

// SQL literals for the databases the builders write. Without a value
// (std::nullopt) each is NULL.

#include <optional>
#include <string>
#include <string_view>

namespace testsupport
{
    // 'text', each quote doubled.
    inline std::string sqlText(std::optional<std::string_view> text)
    {
        if (!text)
            return "NULL";
        std::string literal = "'";
        literal.reserve(text->size() + 2);
        for (const char c : *text) {
            literal += c;
            if (c == '\'')
                literal += '\'';
        }
        return literal + "'";
    }

    // X'...', two hex digits a byte.
    inline std::string sqlBlob(std::optional<std::string_view> bytes)
    {
        if (!bytes)
            return "NULL";
        static const char digits[] = "0123456789ABCDEF";
        std::string literal = "X'";
        literal.reserve(bytes->size() * 2 + 3);
        for (const unsigned char byte : *bytes) {
            literal += digits[byte >> 4];
            literal += digits[byte & 0xF];
        }
        return literal + "'";
    }
}
