// libVolsark: the run-time interface over the backup decrypter.

#include "backupdecrypter.h"
#include "spdlogcore.h"
#include "utf8codec.h"
#include "volsark.h"

namespace
{
    class VolsarkMgr final : public IVolsarkMgr
    {
    public:
        bool DecryptBackup(std::wstring backupPath, std::wstring cryptPath, std::wstring password,
                           VolsarkProgressCallback progress, std::atomic<bool> *stopFlag) override
        {
            volsark::BackupDecrypter decrypter(utf8codec::encode(backupPath), utf8codec::encode(cryptPath),
                                               utf8codec::encode(password));
            if (progress)
                decrypter.setProgress(progress);
            decrypter.setStopFlag(stopFlag);
            return decrypter.run().ok();
        }

        bool CheckIOSBackupEncrypt(std::wstring backupPath) override
        {
            return volsark::isBackupEncrypted(utf8codec::encode(backupPath));
        }
    };
}

extern "C" VOLSARK_API bool InitVolsarkMgr(IVolsarkMgr **out)
{
    if (!out)
        return false;
    InitSpdLogA("Volsark.log", nullptr);
    static VolsarkMgr manager;
    *out = &manager;
    return true;
}
