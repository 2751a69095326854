#include "applepages.h"

#include "settingsentry.h"

QString ApplePages::accountRecoveryPage()
{
    return SettingsEntry::instance()->endpoint("QUENROW_APPLE_RECOVERY_URL", QStringLiteral("AppleRecoveryUrl"),
                                               QStringLiteral("https://iforgot.apple.com/"));
}

QString ApplePages::twoFactorAdvicePage()
{
    return SettingsEntry::instance()->endpoint("QUENROW_APPLE_TWO_FACTOR_URL", QStringLiteral("AppleTwoFactorUrl"),
                                               QStringLiteral("https://support.apple.com/HT204915"));
}

QString ApplePages::signInHelpPage()
{
    return SettingsEntry::instance()->endpoint("QUENROW_APPLE_SIGNIN_HELP_URL", QStringLiteral("AppleSignInHelpUrl"),
                                               QStringLiteral("https://support.apple.com/icloud"));
}
