#include "backupbuilder.h"
#include "realdata.h"
#include "scanrecorder.h"
#include "systemschemas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace testsupport;

namespace
{
    const std::string Bookmarks =
        "INSERT INTO bookmarks (id, parent, type, title, url, order_index) VALUES"
        " (0, NULL, 1, 'Root', NULL, 0), (1, 0, 1, 'BookmarksBar', NULL, 0), (2, 1, 1, 'Recettes & \"Co\"', NULL, 0),"
        " (3, 2, 0, 'Pâtes', 'https://example.com/p?a=1&b=2', 0), (4, 1, 0, 'News', 'https://news.example', 1),"
        " (5, 99, 0, NULL, 'https://orphan.example', 2);";

    // Item 1 was visited twice with scores unlike the item's own; item 3 has
    // no visit left.
    std::string historySql(const std::string &host)
    {
        return std::string(schema::SafariHistorySchema) +
               "INSERT INTO history_items (id, url, visit_count, daily_visit_counts,"
               " should_recompute_derived_visit_counts, visit_count_score) VALUES"
               " (1, 'https://" + host + "/a', 2, X'', 0, 200), (2, 'https://" + host + "/b', 1, X'', 0, 100),"
               " (3, 'https://" + host + "/gone', 0, X'', 0, 0);"
               "INSERT INTO history_visits (history_item, visit_time, title, score) VALUES"
               " (1, 600000000.9, 'A first', 100), (1, 600000100.1, 'A second', 50), (2, 1.5, NULL, 100);";
    }

    std::string historyLine(const std::string &title, int64_t time, const std::string &url)
    {
        return recordLine(DBAPP_SAFARI_HISTORY, 0,
                          "{\"title\":\"" + title + "\",\"visitTime\":" + std::to_string(time) + ",\"url\":\"" + url +
                              "\"}");
    }
}

TEST(Safari, BookmarksCarryTheirFolderTitle)
{
    BackupBuilder backup(freshFolder("bookmarks"));
    backup.addDatabase(schema::HomeDomain, schema::BookmarksPath, std::string(schema::BookmarksSchema) + Bookmarks);
    backup.write();
    const auto lines = scanEvents({backup.folder(), freshFolder("bookmarks-out"), DBAPP_BOOKMARKS});
    const std::vector<std::string> expected = {
        recordLine(0x10, 0, R"({"title":"Pâtes","url":"https://example.com/p?a=1&b=2","folder":"Recettes & \"Co\""})"),
        recordLine(0x10, 0, R"({"title":"News","url":"https://news.example","folder":"BookmarksBar"})"),
        recordLine(0x10, 0, R"({"title":"","url":"https://orphan.example","folder":""})"),
    };
    EXPECT_EQ(recordLines(lines, DBAPP_BOOKMARKS), expected);
}

TEST(Safari, HistoryGivesEveryVisitOfBothHistoryDatabases)
{
    BackupBuilder backup(freshFolder("history"));
    backup.addDatabase(schema::HomeDomain, schema::SafariHistoryPath, historySql("old.example"));
    backup.addDatabase(schema::SafariDomain, schema::SafariHistoryPath, historySql("new.example"));
    backup.write();
    auto lines = recordLines(scanEvents({backup.folder(), freshFolder("history-out"), DBAPP_SAFARI_HISTORY}),
                             DBAPP_SAFARI_HISTORY);
    std::vector<std::string> expected;
    for (const std::string host : {"old.example", "new.example"}) {
        expected.push_back(historyLine("A first", 600000000, "https://" + host + "/a"));
        expected.push_back(historyLine("A second", 600000100, "https://" + host + "/a"));
        expected.push_back(historyLine("", 1, "https://" + host + "/b"));
        expected.push_back(historyLine("", 0, "https://" + host + "/gone"));
    }
    // The join's row order is SQLite's choice.
    std::sort(lines.begin(), lines.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lines, expected);
}

TEST(Safari, RealHistoryDatabaseGivesAllItsVisits)
{
    BackupBuilder backup(freshFolder("realhistory"));
    backup.addFile(schema::SafariDomain, schema::SafariHistoryPath,
                   readFile(realDataFile("safari/History.db")));
    backup.write();
    const auto lines = recordLines(scanEvents({backup.folder(), freshFolder("realhistory-out"), DBAPP_SAFARI_HISTORY}),
                                   DBAPP_SAFARI_HISTORY);
    EXPECT_EQ(lines.size(), 25u);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        historyLine("Ubuntu Start Page", 531955414,
                                    "http://start.ubuntu.com/current/Google/?sourceid=hp")),
              lines.end());
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string &line) { return line.find("\"visitTime\":0,") != std::string::npos; }),
              0);
}
