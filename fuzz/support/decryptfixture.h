#pragma once

// The encrypted backup the decryption target reads, shared with the seeds so
// that a seed's file record carries a key that unwraps in the target.

#include "backupencrypter.h"

#include <string>

namespace fuzzsupport::decrypt
{
    inline const char *const Password = "fuzz";

    // A plain backup of one file (every file costs two 1 MiB buffers to
    // encrypt and to decrypt); returns the id of the file whose Manifest.db
    // record each input replaces.
    std::string writePlainBackup(const std::string &folder);
    // Seeded keys, one round of each key derivation.
    testsupport::EncryptionOptions options();
}
