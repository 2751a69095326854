// The iTunes and iCloud modules' registrations with the main window (see
// moduleregistry.h).

#include "flowsinit.h"
#include "moduleregistry.h"
#include "recoverfromicloud.h"
#include "recoverfromitunesfrm.h"
#include "scanitunesbackupmanage.h"

#include <QCoreApplication>

static void registerBackupAndCloudPages()
{
    initFlows();
    ModuleRegistry *registry = ModuleRegistry::instance();
    registry->registerPage(
        ModuleRegistry::ITunes, [] { return new RecoverFromiTunesFrm; },
        [](ModuleBaseFrm *page, QWidget *) {
            // The backup list's signals, queued (it lists on a worker); the
            // decryption's progress reaches the page through the window.
            if (auto *module = qobject_cast<RecoverFromiTunesFrm *>(page))
                module->setBackupService(ScaniTunesBackupManage::instance());
        });
    // The iCloud pages call the iCloud service and wait for it; they need
    // none of its signals.
    registry->registerPage(ModuleRegistry::ICloud, [] { return new RecoverFromiCloud; });
}
Q_COREAPP_STARTUP_FUNCTION(registerBackupAndCloudPages)
