#include "toolsrequest.h"

#include <QUrl>

#include <atomic>

namespace
{
    // Read from the download workers as well.
    std::atomic<int> g_updateCheckMs {ToolsTimeouts().updateCheckMs};
    std::atomic<int> g_onlineConfigMs {ToolsTimeouts().onlineConfigMs};
    std::atomic<int> g_contentLengthMs {ToolsTimeouts().contentLengthMs};
}

QNetworkRequest toolsRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent",
                         "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_12_6) AppleWebKit/537.36 (KHTML, like Gecko) "
                         "Chrome/60.0.3112.113 Safari/537.36");
    request.setRawHeader("Content-Type", "application/json; charset=utf-8");
    return request;
}

ToolsTimeouts toolsTimeouts()
{
    ToolsTimeouts timeouts;
    timeouts.updateCheckMs = g_updateCheckMs;
    timeouts.onlineConfigMs = g_onlineConfigMs;
    timeouts.contentLengthMs = g_contentLengthMs;
    return timeouts;
}

void setToolsTimeoutsForTesting(const ToolsTimeouts &timeouts)
{
    g_updateCheckMs = timeouts.updateCheckMs;
    g_onlineConfigMs = timeouts.onlineConfigMs;
    g_contentLengthMs = timeouts.contentLengthMs;
}
