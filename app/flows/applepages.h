#pragma once

#include <QString>

// Apple's web pages that the iCloud pages link to. Each is a setting: its
// variable, else the setting, else Apple's page.
namespace ApplePages
{
    // Recovering a forgotten Apple ID or password (QUENROW_APPLE_RECOVERY_URL, "AppleRecoveryUrl").
    QString accountRecoveryPage();
    // Apple's advice on two-factor authentication (QUENROW_APPLE_TWO_FACTOR_URL, "AppleTwoFactorUrl").
    QString twoFactorAdvicePage();
    // Help when a sign-in fails (QUENROW_APPLE_SIGNIN_HELP_URL, "AppleSignInHelpUrl").
    QString signInHelpPage();
}
