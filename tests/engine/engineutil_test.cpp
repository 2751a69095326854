#include "engineutil.h"
#include "sqliteuri.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>

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

TEST(EngineUtil, UriEscapedKeepsOnlyPlainAsciiAsItIs)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/A-z_0.9~/b.db", "/A-z_0.9~/b.db"},
        {"/a b/#1?x%.db", "/a%20b/%231%3Fx%25.db"},
        {"/caf\xC3\xA9/\\&=+", "/caf%C3%A9/%5C%26%3D%2B"},
        {"", ""},
    };
    for (const auto &[path, escaped] : cases)
        EXPECT_EQ(uriEscaped(path), escaped) << path;
}

TEST(EngineUtil, FormatHandlesLongAndWideTexts)
{
    const std::wstring longText(5000, L'x');
    EXPECT_EQ(FormatW(L"%ls|%d", longText.c_str(), 42), longText + L"|42");
    EXPECT_EQ(FormatA("%s-%d", "a", 7), "a-7");
    EXPECT_EQ(FormatW(L""), L"");
}

TEST(EngineUtil, AfterFirstAndReplaceAll)
{
    EXPECT_EQ(AfterFirst("key=value=x", "="), "value=x");
    EXPECT_EQ(AfterFirst("no separator", "="), "");
    EXPECT_EQ(AfterFirst("ends with=", "="), "");

    struct ReplaceCase
    {
        std::wstring text, pattern, replacement, expected;
    };
    const ReplaceCase cases[] = {
        {L"a.b.c", L".", L"/", L"a/b/c"},
        {L"aaa", L"a", L"aa", L"aaaaaa"}, // the replacement holds the pattern: one pass, no loop
        {L"x//y", L"//", L"/", L"x/y"},
        {L"unchanged", L"", L"z", L"unchanged"}, // an empty pattern would never end
        {L"", L"a", L"b", L""},
    };
    for (const auto &c : cases) {
        std::wstring text = c.text;
        ReplaceAllW(text, c.pattern, c.replacement);
        EXPECT_EQ(text, c.expected) << WideToUtf8(c.text);
    }
}

TEST(EngineUtil, SplitQuotedKeepsQuotedPiecesWhole)
{
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(SplitQuoted("a,b,c", ","), (Pieces {"a", "b", "c"}));
    EXPECT_EQ(SplitQuoted("a,\"b,c\",d", ","), (Pieces {"a", "\"b,c\"", "d"}));
    EXPECT_EQ(SplitQuoted("a,,b,", ","), (Pieces {"a", "", "b", ""}));
    EXPECT_EQ(SplitQuoted("\"open,to the end", ","), (Pieces {"\"open,to the end"}));
    EXPECT_EQ(SplitQuoted("a::b", "::"), (Pieces {"a", "b"}));
    EXPECT_TRUE(SplitQuoted("", ",").empty());
}

TEST(EngineUtil, SplitPathAndModuleFolder)
{
    struct Case
    {
        std::wstring path, folder, name;
    };
    const Case cases[] = {
        {L"C:\\data\\\\IMG_1.JPG", L"C:/data", L"IMG_1.JPG"},
        {L"/tmp/out/", L"/tmp/out", L""},
        {L"/root.txt", L"/", L"root.txt"},
        {L"bare", L"", L"bare"},
    };
    for (const auto &c : cases) {
        std::wstring folder = L"stale", name = L"stale";
        SplitPath(c.path, folder, name);
        EXPECT_EQ(folder, c.folder) << WideToUtf8(c.path);
        EXPECT_EQ(name, c.name) << WideToUtf8(c.path);
    }
    EXPECT_TRUE(PathExists(ModuleFolder() + L"/engine_engineutil_test"));
}

TEST(EngineUtil, WholeFilesAndFolders)
{
    const std::wstring tmp = Utf8ToWide(std::string(std::getenv("TMPDIR")));
    ASSERT_TRUE(MakeFolders(tmp + L"/engineutil/a//b\\c"));
    EXPECT_FALSE(MakeFolders(L""));
    const std::wstring folder = tmp + L"/engineutil/a/b/c";
    ASSERT_TRUE(PathExists(folder));
    const std::wstring file = folder + L"/Fotoğraf.bin";
    const std::string bytes("\x00\x01binary\xFF", 9);
    ASSERT_TRUE(WriteWholeFile(file, bytes.data(), bytes.size()));
    EXPECT_EQ(ReadWholeFile(file), bytes);
    EXPECT_EQ(ReadWholeFile(file, 3), bytes.substr(0, 3));
    EXPECT_EQ(ReadWholeFile(file, 100), bytes);
    EXPECT_EQ(ReadWholeFile(folder + L"/missing"), "");
    // A folder opens as a stream whose end lies at the largest offset: never a size to allocate.
    EXPECT_EQ(ReadWholeFile(folder), "");

    ASSERT_TRUE(WriteWholeFile(file, nullptr, 0));
    EXPECT_EQ(ReadWholeFile(file), "");
    // A folder where the file should be: nothing can be written, and it says so.
    EXPECT_FALSE(WriteWholeFile(folder, "x", 1));
}

TEST(EngineUtil, FailedWriteReportsFailureAndLeavesNoHalfFile)
{
    // A file-size limit makes the write fail part way, like a full disk.
    const std::wstring file = Utf8ToWide(std::string(std::getenv("TMPDIR"))) + L"/limited.bin";
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string bytes(64 * 1024, 'x');
    const bool written = WriteWholeFile(file, bytes.data(), bytes.size());
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    EXPECT_FALSE(PathExists(file));
}

TEST(EngineUtil, AnsiIsUtf8)
{
    EXPECT_EQ(WideToAnsi(L"Ünï"), "\xC3\x9Cn\xC3\xAF");
    EXPECT_EQ(AnsiToWide("\xC3\x9Cn\xC3\xAF"), L"Ünï");
    EXPECT_EQ(AnsiToUtf8("a\xFFz"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(Utf8ToAnsi("\xE5\x86\x99"), "\xE5\x86\x99");
}
