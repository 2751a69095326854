#include "jsonline.h"

#include "utf8codec.h"

#include <cmath>
#include <cstdio>

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
    appendString(m_body, utf8codec::encode(value));
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
