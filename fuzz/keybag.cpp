// The keybag of an encrypted backup, as the decrypter reads Manifest.plist's
// "BackupKeyBag" before it derives any key.
#include "keybag.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    volsark::parseKeybag(std::string(reinterpret_cast<const char *>(data), size));
    return 0;
}
