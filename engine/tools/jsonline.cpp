#include "jsonline.h"

#include <cmath>
#include <cstdio>

namespace
{
    std::string utf8Of(const std::wstring &text)
    {
        std::string out;
        for (wchar_t w : text) {
            char32_t c = char32_t(w);
            if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
                c = 0xFFFD;
            if (c < 0x80) {
                out += char(c);
            } else if (c < 0x800) {
                out += char(0xC0 | (c >> 6));
                out += char(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                out += char(0xE0 | (c >> 12));
                out += char(0x80 | ((c >> 6) & 0x3F));
                out += char(0x80 | (c & 0x3F));
            } else {
                out += char(0xF0 | (c >> 18));
                out += char(0x80 | ((c >> 12) & 0x3F));
                out += char(0x80 | ((c >> 6) & 0x3F));
                out += char(0x80 | (c & 0x3F));
            }
        }
        return out;
    }
}

void JsonLine::key(const char *name)
{
    if (!m_body.empty())
        m_body += ',';
    appendString(m_body, name);
    m_body += ':';
}

void JsonLine::appendString(std::string &out, const std::string &utf8)
{
    out += '"';
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += char(c);
            }
        }
    }
    out += '"';
}

JsonLine &JsonLine::add(const char *name, int64_t value)
{
    key(name);
    m_body += std::to_string(value);
    return *this;
}

JsonLine &JsonLine::add(const char *name, double value)
{
    key(name);
    if (!std::isfinite(value)) {
        m_body += "null";
        return *this;
    }
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    m_body += text;
    return *this;
}

JsonLine &JsonLine::add(const char *name, bool value)
{
    key(name);
    m_body += value ? "true" : "false";
    return *this;
}

JsonLine &JsonLine::add(const char *name, const std::wstring &value)
{
    key(name);
    appendString(m_body, utf8Of(value));
    return *this;
}

JsonLine &JsonLine::add(const char *name, const std::string &utf8Value)
{
    key(name);
    appendString(m_body, utf8Value);
    return *this;
}

JsonLine &JsonLine::addRaw(const char *name, const std::string &json)
{
    key(name);
    m_body += json;
    return *this;
}
