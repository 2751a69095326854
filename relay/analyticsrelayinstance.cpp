#include "analyticsrelayinstance.h"

#include "ganalytics.h"
#include "ganalytics_p.h"

#include <QDebug>

AnalyticsRelayInstance &AnalyticsRelayInstance::instance()
{
    static AnalyticsRelayInstance relay;
    return relay;
}

AnalyticsRelayInstance::AnalyticsRelayInstance()
    : m_analytics(new GAnalytics(QString(), nullptr))
    , m_endpoint(GAnalytics::defaultBaseUrl())
{
}

AnalyticsRelayInstance::~AnalyticsRelayInstance()
{
    delete m_analytics;
}

bool AnalyticsRelayInstance::isAnalyticsUrl(const QUrl &url, const QUrl &endpoint)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;
    return scheme == endpoint.scheme().toLower() && url.host().compare(endpoint.host(), Qt::CaseInsensitive) == 0
           && url.port(scheme == QLatin1String("https") ? 443 : 80)
                  == endpoint.port(endpoint.scheme().toLower() == QLatin1String("https") ? 443 : 80);
}

bool AnalyticsRelayInstance::forward(const QString &url)
{
    if (url.isEmpty())
        return false;
    if (!isAnalyticsUrl(QUrl(url, QUrl::StrictMode), m_endpoint)) {
        qDebug("Not an analytics URL, dropped");
        return false;
    }
    m_analytics->impl()->enqueue(url);
    return true;
}
