#pragma once

// The backup of the photo-grid tests, built in code: a camera roll of 300
// photos with a corrupt and a truncated one (the newest, so the grid shows
// them first) and a video without a still; app documents; Safari bookmarks
// and history with a title that looks like markup.

#include "backupbuilder.h"
#include "photolibrary.h"
#include "samplemedia.h"
#include "systemschemas.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace MediaBackup
{
    constexpr int Photos = 300; // and two damaged ones after them

    inline std::string name(int number, const char *suffix)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "IMG_%04d.%s", number, suffix);
        return buffer;
    }

    inline void addCameraRoll(testsupport::BackupBuilder &backup)
    {
        std::vector<testsupport::CameraRollAsset> assets;
        for (int i = 1; i <= Photos; ++i) {
            const int hue = (i * 37) % 360;
            assets.push_back({"DCIM/100APPLE", name(i, "JPG"), 690000000.0 + i * 3600, 0,
                              samplemedia::picture(400, 300, hue, "JPG"), samplemedia::picture(160, 120, hue, "JPG")});
        }
        // Damaged files keep no thumbnail of their own.
        std::string corrupt = samplemedia::picture(400, 300, 10, "JPG");
        for (size_t i = corrupt.size() / 3; i < corrupt.size() * 2 / 3; ++i)
            corrupt[i] = char(i * 37);
        const std::string whole = samplemedia::picture(400, 300, 200, "JPG");
        assets.push_back({"DCIM/100APPLE", name(Photos + 1, "JPG"), 690000000.0 + (Photos + 1) * 3600, 0, corrupt,
                          std::nullopt});
        assets.push_back({"DCIM/100APPLE", name(Photos + 2, "JPG"), 690000000.0 + (Photos + 2) * 3600, 0,
                          whole.substr(0, whole.size() / 2), std::nullopt});
        assets.push_back({"DCIM/100APPLE", name(Photos + 3, "MOV"), 690000000.0 + (Photos + 3) * 3600, 1,
                          std::string("not a movie"), std::nullopt});
        testsupport::addPhotoLibrary(backup, testsupport::PhotoSchema::Newer, assets);
    }

    inline void addAppDocuments(testsupport::BackupBuilder &backup)
    {
        backup.addFile("AppDomain-com.example.reader", "Documents/Books/handbook.pdf", "%PDF-1.4\n%handbook\n");
        backup.addFile("AppDomain-com.example.reader", "Documents/Books/atlas.pdf", std::string(5000, 'a'));
        backup.addFile("AppDomain-com.example.notes", "Documents/todo.txt", "buy milk\n");
        backup.addFile("AppDomain-com.example.office", "Documents/Budget 2024.xlsx", std::string(12000, 'b'));
    }

    inline void addSafari(testsupport::BackupBuilder &backup)
    {
        backup.addDatabase(testsupport::schema::HomeDomain, testsupport::schema::BookmarksPath,
                           std::string(testsupport::schema::BookmarksSchema) +
                               "INSERT INTO bookmarks (id, parent, type, title, url, order_index) VALUES"
                               " (1, 0, 1, 'BookmarksBar', NULL, 0),"
                               " (2, 1, 0, 'Example', 'https://example.com/', 0),"
                               " (3, 1, 0, '<b>Bold</b> & <img src=x>', 'https://markup.example.org/?a=1&b=2', 1),"
                               " (4, 1, 0, 'Weather', 'https://weather.example.net/', 2);");
        backup.addDatabase(testsupport::schema::SafariDomain, testsupport::schema::SafariHistoryPath,
                           std::string(testsupport::schema::SafariHistorySchema) +
                               "INSERT INTO history_items (id, url, visit_count, daily_visit_counts,"
                               " should_recompute_derived_visit_counts, visit_count_score) VALUES"
                               " (1, 'https://example.com/', 2, X'', 0, 200),"
                               " (2, 'https://markup.example.org/?a=1&b=2', 1, X'', 0, 100),"
                               " (3, 'https://news.example.org/today', 1, X'', 0, 100);"
                               "INSERT INTO history_visits (history_item, visit_time, title) VALUES"
                               " (1, 700000500.5, 'Example Domain'),"
                               " (2, 700003600, '<b>Bold</b> & <img src=x>'),"
                               " (3, 700007200, 'Today''s news');");
    }
}

namespace MediaBackup
{
    // Throws on failure.
    inline void write(const std::string &folder)
    {
        testsupport::BackupBuilder backup(folder);
        backup.setDeviceName("Photo iPhone");
        addCameraRoll(backup);
        addAppDocuments(backup);
        addSafari(backup);
        backup.write();
    }
}
