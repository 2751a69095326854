#pragma once

#include <QString>

// The maker's web pages that the flow pages link to. Each is a setting:
// its variable, else the setting, else a page below the maker's site.
namespace FlowLinks
{
    // The system-repair tool (QUENROW_REPAIR_URL, "SystemRepairUrl").
    QString systemRepairPage();
    // Help on the backup program's error codes (QUENROW_HELP_URL, "HelpUrl"), the
    // one page both the device flow and the scan-result page link to.
    QString errorCodeHelpPage();
    // Recovering a forgotten iTunes backup password.
    QString forgottenPasswordGuide();
}
