#pragma once

// The keybag of an encrypted backup (Manifest.plist's "BackupKeyBag"): a
// list of tag, big-endian length, value. It comes from the backup and is
// untrusted.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace volsark
{
    struct ClassKey
    {
        uint32_t wrap = 0;
        uint32_t type = 0;
        std::string wrapped;
        std::string key; // unwrapped
    };

    struct Keybag
    {
        std::map<std::string, std::string> attributes; // bag-level tags
        std::map<uint32_t, ClassKey> classes;
    };

    // The first four bytes as a big-endian number; fewer count as zeros in front.
    uint32_t bigEndian32(const std::string &bytes);

    // Nothing when a value runs past the end, bytes are left over, or the
    // salt or the round count is missing.
    std::optional<Keybag> parseKeybag(const std::string &data);
}
