#include "itunessessionkiller.h"

#include "realtimekillitunessessionmanager.h"

RealtimekilliTunesSessionManager *iTunesSessionKiller()
{
    static RealtimekilliTunesSessionManager killer;
    return &killer;
}
