#pragma once

#include "deviceparser.h"

// Puts what the chat intake would have stored straight into the store.
inline void storeLineUser(const QString &mid, const QString &name)
{
    DeviceParser::instance()->setDisplayName(mid, name);
}
