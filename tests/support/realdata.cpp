#include "realdata.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace testsupport
{
    std::string realDataFile(const std::string &relativePath)
    {
        const char *folder = std::getenv("QUENROW_REALDATA");
        if (!folder || !*folder)
            throw std::runtime_error("QUENROW_REALDATA is not set; the test needs the real data file " +
                                     relativePath);
        const std::string path = std::string(folder) + "/" + relativePath;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec))
            throw std::runtime_error("real data file missing: " + path);
        return path;
    }
}
