// A file's record in an encrypted backup's Manifest.db (a keyed archive with
// its protection class, size and wrapped key), as the decrypter reads each
// row: the target encrypts a small backup around the record and decrypts it.
#include "backupdecrypter.h"
#include "decryptfixture.h"
#include "fuzzsupport.h"

#include <string>

namespace
{
    std::string g_plain;
    std::string g_fileId;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::quietLogs();
    g_plain = fuzzsupport::freshFolder("plain");
    g_fileId = fuzzsupport::decrypt::writePlainBackup(g_plain);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    testsupport::EncryptionOptions options = fuzzsupport::decrypt::options();
    options.record[g_fileId] = std::string(reinterpret_cast<const char *>(data), size);
    const std::string encrypted = fuzzsupport::freshFolder("encrypted");
    testsupport::encryptBackup(g_plain, encrypted, options);
    volsark::BackupDecrypter(encrypted, fuzzsupport::freshFolder("decrypted"), fuzzsupport::decrypt::Password).run();
    return 0;
}
