#pragma once

// Property lists made to hurt a reader, for the tests of everything that
// parses them from a backup or a device.

#include <string>

namespace testsupport
{
    // A binary property list of levels arrays, each holding the next one
    // twice: a few bytes each, and 2^levels nodes once every reference is
    // copied, as libplist does.
    std::string sharedArraysPlist(int levels);

    // depth arrays, each inside the one before, as XML text or binary.
    std::string nestedArraysPlist(int depth, bool binary);
}
