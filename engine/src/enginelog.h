#pragma once

// The engine writes every log line at level 2 into "Vardex.log".
#include "spdlogcore.h"

#define VARDEX_LOG(...) SpdLogA(__FILE__, __LINE__, SPDLOG_LEVEL_INFO, __VA_ARGS__)
#define VARDEX_LOGW(...) SpdLogW(__FILE__, __LINE__, SPDLOG_LEVEL_INFO, __VA_ARGS__)
