#include "retrypause.h"

#include <chrono>
#include <cstdlib>
#include <thread>

void QuorlinRetryPause()
{
    long milliseconds = 3000;
    if (const char *value = std::getenv("QUENROW_QUORLIN_RETRY_MS"); value && *value) {
        char *end = nullptr;
        const long parsed = std::strtol(value, &end, 10);
        if (end && *end == '\0' && parsed >= 0 && parsed <= 3000)
            milliseconds = parsed;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
