#pragma once

#include <QString>

// The names the program is known by, to its settings, its log, its single
// instance and the update check.
namespace ShellConstants
{
    inline const QString Version = QStringLiteral("8.1.0");
    inline const QString OrganizationName = QStringLiteral("Brandle");
    inline const QString ApplicationName = QStringLiteral("Quenrow(iOS)");
    // The product as the window shows it.
    inline const QString ProductTitle = QStringLiteral("Quenrow (iOS)");
    inline const QString InstanceName = QStringLiteral("zodOzerizar");
}
