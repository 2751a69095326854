// Writes the sample backup that `make run` scans.

#include "backupbuilder.h"

#include <cstdio>
#include <exception>
#include <filesystem>

using testsupport::BackupBuilder;

namespace
{
    void addAppFiles(BackupBuilder &backup)
    {
        backup.addFile("HomeDomain", "Library/Preferences/com.apple.springboard.plist", "<plist/>");
        backup.addFile("AppDomain-com.example.reader", "Documents/Books/handbook.pdf", "%PDF-1.4\n%sample\n");
        backup.addFile("AppDomain-com.example.notes", "Documents/todo.txt", "buy milk\n");
        backup.addManifestRow(testsupport::fileIdOf("HomeDomain", "Library"), "HomeDomain", "Library", 2); // folders have no file behind them
    }
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesample FOLDER\n");
        return 2;
    }
    try {
        std::filesystem::remove_all(argv[1]);
        BackupBuilder backup(argv[1]);
        backup.setDeviceName("Sample iPhone");
        addAppFiles(backup);
        backup.write();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "makesample: %s\n", error.what());
        return 1;
    }
    return 0;
}
