#include "engineutil.h"

#include <gtest/gtest.h>

namespace
{
    struct Utf8Case
    {
        const char *name;
        std::string utf8;
        std::wstring wide;
    };
}

TEST(EngineUtil, Utf8ToWideNeverThrowsAndMarksBadBytes)
{
    const Utf8Case cases[] = {
        {"ascii", "abc", L"abc"},
        {"two three four bytes", "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", L"é中😀"},
        {"lone continuation", "a\x80z", L"a\xFFFDz"},
        {"truncated at end", "a\xE4\xB8", L"a\xFFFD"},
        {"overlong slash", "\xC0\xAF", L"\xFFFD"},
        {"surrogate encoded", "\xED\xA0\x80!", L"\xFFFD!"},
        {"invalid lead", "\xFF", L"\xFFFD"},
        {"empty", "", L""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Utf8ToWide(c.utf8), c.wide) << c.name;
}

TEST(EngineUtil, WideToUtf8RoundTrips)
{
    const std::wstring text = L"Ünïcödé 写真 😀 \"'";
    EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
    EXPECT_EQ(WideToUtf8(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(EngineUtil, NormalizePathUsesSingleForwardSlashes)
{
    std::wstring path = L"C:\\backup\\\\3d//3d0d7e";
    NormalizePath(path);
    EXPECT_EQ(path, L"C:/backup/3d/3d0d7e");
}

TEST(EngineUtil, FormatHandlesLongAndWideTexts)
{
    const std::wstring longText(5000, L'x');
    EXPECT_EQ(FormatW(L"%ls|%d", longText.c_str(), 42), longText + L"|42");
    EXPECT_EQ(FormatA("%s-%d", "a", 7), "a-7");
    EXPECT_EQ(FormatW(L""), L"");
}
