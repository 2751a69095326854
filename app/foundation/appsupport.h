#pragma once

#include <QString>

// The device support the program needs: here the usbmuxd daemon, with our
// libMobileDevice.so and libCoreFoundation.so beside the program.

// The first dotted number a program prints for --version; empty when it
// prints none, does not start or is not done within 5 s.
QString fileVersionText(const QString &path);
// usbmuxd's version (QUENROW_USBMUXD, else usbmuxd on PATH, /usr/sbin or
// /sbin); empty when there is none.
QString findAppleSupportVersion();
// The folder of path holds path, libMobileDevice.so and libCoreFoundation.so,
// and usbmuxd is at least the minimum version.
bool checkAppleSupportFolder(const QString &path);
// There are no packaged installations here: always false.
bool checkPackagedAppleSupport(const QString &path);
