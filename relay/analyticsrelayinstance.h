#pragma once

#include <QString>
#include <QUrl>

class GAnalytics;

// The relay's one analytics client, made on the first URL to forward. Only
// URLs of the analytics endpoint in use are sent: any local client may
// write to the relay, and it must not fetch other addresses for it.
class AnalyticsRelayInstance
{
public:
    static AnalyticsRelayInstance &instance();

    // False when the URL was dropped.
    bool forward(const QString &url);
    static bool isAnalyticsUrl(const QUrl &url, const QUrl &endpoint);

private:
    AnalyticsRelayInstance();
    ~AnalyticsRelayInstance();

    GAnalytics *m_analytics;
    QUrl m_endpoint;
};
