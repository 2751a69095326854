// Writes the backup of the photo-grid case (mediabackup.h).
//   e2e-mediabackup FOLDER
#include "mediabackup.h"

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: e2e-mediabackup FOLDER\n");
        return 2;
    }
    try {
        MediaBackup::write(argv[1]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "e2e-mediabackup: %s\n", error.what());
        return 1;
    }
    return 0;
}
