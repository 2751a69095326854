#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class GAnalytics;

// The program's one analytics client. Built on the first event: it reports
// the system once per installation, then the product on every start.
class AnalyticsTracker : public QObject
{
    Q_OBJECT

public:
    static AnalyticsTracker *instance();
    ~AnalyticsTracker() override;

    void trackEvent(const QString &category, const QString &action, const QString &label,
                    const QVariant &value = QVariant(), const QMap<QString, QVariant> &extra = {});
    void sendEvent(const QString &eventName, const QStringList &parameters);

    GAnalytics *client() const { return m_analytics.get(); }

    // True on the first start of an installation only; marks it as past.
    static bool takeFirstStart();

private:
    AnalyticsTracker();
    void reportSystem();

    std::unique_ptr<GAnalytics> m_analytics;
};

void trackEvent(const QString &category, const QString &action, const QString &label,
                const QVariant &value = QVariant(), const QMap<QString, QVariant> &extra = {});
void trackEvent(const char *category, const char *action, const char *label);
void trackEvent(const char *category, const char *action);
