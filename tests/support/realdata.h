#pragma once

// The real databases under tests/data/real, found through QUENROW_REALDATA.

#include <string>

namespace testsupport
{
    // The path of a real data file, e.g. "safari/History.db". Throws
    // std::runtime_error naming the file when the variable is unset or the
    // file is not there, so that a test without its data fails, never skips.
    std::string realDataFile(const std::string &relativePath);
}
