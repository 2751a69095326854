#include "shellinit.h"

#include <QtGlobal>

// At global scope, as Q_INIT_RESOURCE requires.
static void registerShellResources()
{
    Q_INIT_RESOURCE(quenrow_translations);
}

void initShell()
{
    static const bool done = [] {
        registerShellResources();
        return true;
    }();
    Q_UNUSED(done);
}
