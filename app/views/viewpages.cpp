// The scan-result page in the main window's data-view slot, with the
// program's services (see moduleregistry.h).

#include "moduleregistry.h"
#include "scanresultwiring.h"
#include "viewnativedatamanage.h"

#include <QCoreApplication>

static void registerViewPages()
{
    ModuleRegistry::instance()->registerPage(
        ModuleRegistry::DataView, [] { return new ViewNativeDataManage; },
        [](ModuleBaseFrm *page, QWidget *) {
            ScanResultWiring::wire(static_cast<ViewNativeDataManage *>(page), ScanResultWiring::Services::standard());
        });
}
Q_COREAPP_STARTUP_FUNCTION(registerViewPages)
