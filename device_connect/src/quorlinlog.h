#pragma once

// Every entry of this library goes to "QuorlinMac.log" at the information
// level. The log goes out with support mail: never pass a password to it.

#include "spdlogcore.h"

#include <cinttypes>

#define QLOG(...) SpdLogA(__FILE__, __LINE__, SPDLOG_LEVEL_INFO, __VA_ARGS__)
