#include "flowlinks.h"

#include "aboutdialog.h"
#include "settingsentry.h"

namespace
{
    QString onSite(const QString &path)
    {
        QString site = AboutDialog::homepageUrl();
        while (site.endsWith('/'))
            site.chop(1);
        return site + path;
    }
}

QString FlowLinks::systemRepairPage()
{
    return SettingsEntry::instance()->endpoint("QUENROW_REPAIR_URL", QStringLiteral("SystemRepairUrl"),
                                               onSite(QStringLiteral("/ios-system-repair/")));
}

QString FlowLinks::errorCodeHelpPage()
{
    return SettingsEntry::instance()->endpoint("QUENROW_HELP_URL", QStringLiteral("HelpUrl"),
                                               onSite(QStringLiteral("/error-codes/")));
}

QString FlowLinks::forgottenPasswordGuide()
{
    return onSite(QStringLiteral("/guide/how-to-recover-itunes-backup-password/"));
}
