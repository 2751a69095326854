#pragma once

#include "quorlinlog.h"

#include <dlfcn.h>

// Looks a name up in a loaded library; a missing one is logged and left null.
template <typename Entry>
void ResolveSymbol(void *module, const char *name, Entry &entry)
{
    entry = reinterpret_cast<Entry>(dlsym(module, name));
    if (!entry)
        QLOG("ERR:fail get func address %s", name);
}
