#pragma once

#include <cstdint>
#include <string>

// Builds one JSON object on a single line. Text is written as UTF-8 with
// every control character escaped, so a record always stays one line.
class JsonLine
{
public:
    JsonLine &add(const char *key, int64_t value);
    JsonLine &add(const char *key, int value) { return add(key, int64_t(value)); }
    JsonLine &add(const char *key, double value);
    JsonLine &add(const char *key, bool value);
    JsonLine &add(const char *key, const std::wstring &value);
    JsonLine &add(const char *key, const std::string &utf8Value);
    JsonLine &addRaw(const char *key, const std::string &json); // an already built object
    std::string str() const { return "{" + m_body + "}"; }

private:
    void key(const char *name);
    static void appendString(std::string &out, const std::string &utf8);

    std::string m_body;
};
