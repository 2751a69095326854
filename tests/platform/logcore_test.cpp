#include "spdlogcore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace
{
    // Logs stay between runs of the suite: start each from nothing.
    void removeLog(const std::string &name)
    {
        std::remove((std::string(SpdLogFolder()) + "/" + name).c_str());
    }

    std::vector<std::string> logLines(const std::string &name)
    {
        std::ifstream in(std::string(SpdLogFolder()) + "/" + name);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
}

TEST(LogCore, FolderIsTheConfiguredOne)
{
    ASSERT_NE(std::getenv("QUENROW_LOG_DIR"), nullptr);
    EXPECT_STREQ(SpdLogFolder(), std::getenv("QUENROW_LOG_DIR"));
}

TEST(LogCore, CallsBeforeAnyOpenAreHarmless)
{
    SpdLogA(__FILE__, __LINE__, 2, "nobody listens %d", 1);
    SpdLogW(__FILE__, __LINE__, 2, L"nobody listens %ls", L"either");
    SpdLogA(__FILE__, __LINE__, 2, nullptr);
    InitSpdLogA(nullptr, nullptr);
    InitSpdLogA("/proc/no-such-folder/cannot.log", nullptr);
}

TEST(LogCore, WritesLevelsAndUnicodeIntact)
{
    removeLog("app.txt");
    InitSpdLogW(L"app.txt", nullptr);
    InitSpdLogW(L"app.txt", nullptr); // a second open changes nothing
    SpdLogW(__FILE__, __LINE__, 2, L"%ls", L"50% é 中 😀");
    SpdLogA(__FILE__, __LINE__, 4, "%s", "x");

    const auto lines = logLines("app.txt");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("[2] "), std::string::npos);
    EXPECT_NE(lines[0].find("50% é 中 😀"), std::string::npos);
    EXPECT_NE(lines[0].find("logcore_test.cpp:"), std::string::npos);
    EXPECT_NE(lines[1].find("[4] "), std::string::npos);
    EXPECT_EQ(lines[1].substr(lines[1].size() - 2), " x");
}

TEST(LogCore, WideFormatsTakeNarrowAndWideValues)
{
    removeLog("formats.log");
    InitSpdLogA("formats.log", nullptr);
    SpdLogW(__FILE__, __LINE__, 2, L"open db is failed, dbpath: %ls (%d)", L"/tmp/ä.db", 7);
    SpdLogA(__FILE__, __LINE__, 2, "scan task add success, datatype: %d\n", 4);
    const auto lines = logLines("formats.log");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("open db is failed, dbpath: /tmp/ä.db (7)"), std::string::npos);
    EXPECT_NE(lines[1].find("scan task add success, datatype: 4"), std::string::npos);
}

TEST(LogCore, ConcurrentWritersNeverTearALine)
{
    removeLog("threads.log");
    InitSpdLogA("threads.log", nullptr);
    const std::string payload(200, 'p');
    std::vector<std::thread> writers;
    for (int t = 0; t < 8; ++t) {
        writers.emplace_back([t, &payload] {
            for (int i = 0; i < 1000; ++i)
                SpdLogA(__FILE__, __LINE__, 2, "writer %d line %d %s end", t, i, payload.c_str());
        });
    }
    for (auto &writer : writers)
        writer.join();

    const auto lines = logLines("threads.log");
    ASSERT_EQ(lines.size(), 8000u);
    for (const auto &line : lines)
        ASSERT_EQ(line.substr(line.size() - (payload.size() + 4)), payload + " end") << line;
}
