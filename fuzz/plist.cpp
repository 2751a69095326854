// A property list from a backup folder as each of its readers reads it: the
// backup list (Manifest.plist: date, device and model), the decrypter's
// question whether the backup is encrypted, the WhatsApp owner's
// preferences, and Status.plist as the device backup reads it at its end.
#include "backupbuilder.h"
#include "backupdecrypter.h"
#include "backupsession.h"
#include "chatstoragebuilder.h"
#include "fuzzsupport.h"
#include "idbexecutor.h"
#include "scanitunesbackupmanage.h"
#include "scanrecorder.h"

#include <QString>

#include <filesystem>
#include <memory>
#include <string>

using namespace testsupport;

namespace
{
    std::string g_backup;
    std::string g_preferences;
    ScaniTunesBackupManage *g_backups = nullptr;
    std::unique_ptr<IDBExecutor> g_executor;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Nothing of this machine's own backups is listed.
    setenv("QUENROW_ITUNES_BACKUP_ROOT", fuzzsupport::freshFolder("itunes").c_str(), 1);
    setenv("WINEPREFIX", fuzzsupport::freshFolder("wine").c_str(), 1);
    fuzzsupport::initQt(argc, argv);
    g_backup = fuzzsupport::freshFolder("backup");
    const BackupBuilder backup(g_backup);
    g_preferences = backup.pathOf(fileIdOf(ChatStorageBuilder::Domain, ChatStorageBuilder::PreferencesPath));
    std::filesystem::create_directories(std::filesystem::path(g_preferences).parent_path());
    g_backups = new ScaniTunesBackupManage;
    IDBExecutor *executor = nullptr;
    InitDBExecutor(&executor);
    g_executor.reset(executor);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!fuzzsupport::writeBytes(g_backup + "/Manifest.plist", data, size) ||
        !fuzzsupport::writeBytes(g_preferences, data, size) ||
        !fuzzsupport::writeBytes(g_backup + "/Status.plist", data, size))
        return 0;
    const QString folder = QString::fromStdString(g_backup);
    g_backups->readBackupInfo(folder);
    g_backups->readProductTypefunc(folder);
    volsark::isBackupEncrypted(g_backup);
    g_executor->GetWhatsAppOwner(widen(g_backup));
    readSnapshotState(g_backup + "/Status.plist");
    return 0;
}
