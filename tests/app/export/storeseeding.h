#pragma once

#include "deviceparser.h"
#include "deviceparser_p.h"

#include <mutex>

// Puts what the chat intake would have stored straight into the store.
inline void storeLineUser(const QString &mid, const QString &name)
{
    DeviceParserPrivate *store = DeviceParser::instance()->storage();
    std::unique_lock<std::shared_mutex> lock(store->lock);
    LineUserEntry user;
    user.mid = mid;
    user.name = name;
    store->handleNames.insert(mid, user);
}
