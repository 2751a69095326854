#pragma once

// The decryption behind libVolsark and volsark-decrypt: an encrypted backup
// folder (Manifest.plist with its keybag, an encrypted Manifest.db, files at
// xx/<fileID>) becomes a plain one. The backup is untrusted input.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace volsark
{
    enum class DecryptError
    {
        None,
        NotEncrypted,
        OutputNotEmpty,
        BadKeybag,
        WrongPassword,
        BadManifest, // Manifest.db or its key cannot be decrypted
        ReadFailed,
        WriteFailed,
        Stopped
    };

    struct DecryptResult
    {
        DecryptError error = DecryptError::None;
        std::string detail; // the path for read and write failures
        int decrypted = 0;
        int skipped = 0;

        bool ok() const { return error == DecryptError::None; }
        // One line naming the cause, for people.
        std::string message() const;
    };

    class BackupDecrypter
    {
    public:
        BackupDecrypter(std::string backupPath, std::string cryptPath, std::string password);

        void setProgress(std::function<void(int done, int total)> progress) { m_progress = std::move(progress); }
        void setStopFlag(const std::atomic<bool> *stopFlag) { m_stopFlag = stopFlag; }

        DecryptResult run();

    private:
        std::string m_backupPath;
        std::string m_cryptPath;
        std::string m_password;
        std::function<void(int, int)> m_progress;
        const std::atomic<bool> *m_stopFlag = nullptr;
    };

    // Manifest.plist's IsEncrypted; without it, whether Manifest.db holds
    // something that is not a plain SQLite database.
    bool isBackupEncrypted(const std::string &backupPath);

    // The primitives, exposed for known-answer tests.
    // RFC 3394 unwrap; false when the integrity check fails.
    bool aesUnwrap(const std::string &kek, const std::string &wrapped, std::string &key);
    std::string pbkdf2Sha1(const std::string &password, const std::string &salt, int iterations, int length);
    std::string pbkdf2Sha256(const std::string &password, const std::string &salt, int iterations, int length);
}
