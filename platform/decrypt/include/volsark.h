#pragma once

// The backup-decryption library: decrypts an encrypted device backup folder
// into a plain one that scans like any unencrypted backup. Loaded at run time
// by the main program; the interface it hands out is never released.

#include <atomic>
#include <string>

#define VOLSARK_API __attribute__((visibility("default")))

// done counts up from 1 (Manifest.db decrypted) to total (finished).
using VolsarkProgressCallback = void (*)(int done, int total);

class IVolsarkMgr
{
public:
    // Decrypts backupPath into cryptPath, which is created with its parents
    // and must not hold anything yet. The stop flag may be raised from
    // another thread; a stop returns false. False leaves nothing behind.
    virtual bool DecryptBackup(std::wstring backupPath, std::wstring cryptPath, std::wstring password,
                               VolsarkProgressCallback progress, std::atomic<bool> *stopFlag) = 0;
    // True when the backup in the folder is encrypted.
    virtual bool CheckIOSBackupEncrypt(std::wstring backupPath) = 0;

protected:
    ~IVolsarkMgr() = default;
};

extern "C" VOLSARK_API bool InitVolsarkMgr(IVolsarkMgr **out);
