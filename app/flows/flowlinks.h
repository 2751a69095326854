#pragma once

#include <QString>

// The maker's web pages that the flow pages link to. Each is a setting:
// its variable, else the setting, else a page below the maker's site.
namespace FlowLinks
{
    // The system-repair tool (QUENROW_REPAIR_URL, "SystemRepairUrl").
    QString systemRepairPage();
    // Help on the backup program's error codes (QUENROW_ERROR_HELP_URL, "ErrorHelpUrl").
    QString errorCodeHelpPage();
    // Recovering a forgotten iTunes backup password.
    QString forgottenPasswordGuide();
}
