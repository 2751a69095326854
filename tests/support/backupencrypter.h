#pragma once

// Encrypts a backup folder that BackupBuilder wrote, as a device encrypts a
// backup since iOS 10.2: a keybag in Manifest.plist whose class keys are
// wrapped with a key derived from the password, an encrypted Manifest.db,
// and every file under a key of its own wrapped by its class key. Small
// iteration counts keep tests fast.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace testsupport
{
    struct EncryptionOptions
    {
        std::string password = "secret";
        bool withDpsl = true; // the SHA-256 round of newer devices
        uint32_t dpic = 10;
        uint32_t iterations = 10;
        uint32_t fileClass = 3;
        std::map<std::string, uint32_t> classOf;   // per file id, instead of fileClass
        std::map<std::string, int64_t> claimedSize; // per file id, instead of the real size
        // Per file id, the bytes stored as its record in Manifest.db instead
        // of the real one (its content is still encrypted under its own key).
        std::map<std::string, std::string> record;
        // Keys and salts drawn from this seed instead of the system's random
        // source: the same folder then encrypts to the same bytes each time.
        std::optional<uint64_t> seed;
    };

    // Writes the encrypted copy of plainFolder into encryptedFolder. The
    // plain Manifest.db gets each file's record (its "file" column) too, so
    // plainFolder is exactly what a decryption must give back. Throws
    // std::runtime_error on failure.
    void encryptBackup(const std::string &plainFolder, const std::string &encryptedFolder,
                       const EncryptionOptions &options = {});

    // The primitives, for known-answer tests.
    std::string aesWrap(const std::string &kek, const std::string &key);
    std::string pbkdf2(const std::string &digest, const std::string &password, const std::string &salt,
                       uint32_t iterations, int length);
    std::string hexBytes(const std::string &hex);
}
