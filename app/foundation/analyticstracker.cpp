#include "analyticstracker.h"

#include "ganalytics.h"
#include "processutils.h"
#include "settingsentry.h"
#include "vlog.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>

namespace
{
    const char MeasurementId[] = "G-P7NM2QX4VB";
}

AnalyticsTracker *AnalyticsTracker::instance()
{
    static AnalyticsTracker tracker;
    return &tracker;
}

AnalyticsTracker::AnalyticsTracker()
    : m_analytics(std::make_unique<GAnalytics>(QString::fromLatin1(MeasurementId)))
{
    if (takeFirstStart())
        reportSystem();
    trackEvent(QStringLiteral("Product"), QStringLiteral("ProductVersion"), QStringLiteral("8.1.0"));
    trackEvent(QStringLiteral("Product"), QStringLiteral("Source"), QStringLiteral("SEO"));
}

AnalyticsTracker::~AnalyticsTracker() = default;

bool AnalyticsTracker::takeFirstStart()
{
    // Unset until the first start has passed: the system report goes once per installation.
    SettingsEntry *settings = SettingsEntry::instance();
    if (!settings->value(SettingsKey::AppFirstCycle, SettingsEntry::UserScope, true).toBool())
        return false;
    settings->setValue(SettingsKey::AppFirstCycle, false, SettingsEntry::UserScope);
    return true;
}

void AnalyticsTracker::reportSystem()
{
    const auto report = [this](const QString &key, const QString &value) {
        sendEvent(QStringLiteral("System"), {key, value});
        vlogInfo(QStringLiteral("%1: %2").arg(key, value));
    };
    report(QStringLiteral("SysOS"), QStringLiteral("%1; %2").arg(QSysInfo::prettyProductName(),
                                                             is64BitWindows() ? QStringLiteral("x64") : QStringLiteral("x86")));
    report(QStringLiteral("SysLanguage"), QLocale().name());
    report(QStringLiteral("SysCountry"), QLocale::countryToString(QLocale().country()));
    // Without a screen (no GUI application, or none attached) the sizes are 0.
    const QScreen *screen = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    const QRect geometry = screen ? screen->geometry() : QRect();
    report(QStringLiteral("SysScreenResolution"), QStringLiteral("%1x%2").arg(geometry.width()).arg(geometry.height()));
    report(QStringLiteral("SysZoomSetting"), QString::number(screen ? screen->logicalDotsPerInch() : 0.0, 'g', 6));
}

void AnalyticsTracker::trackEvent(const QString &category, const QString &action, const QString &label,
                                  const QVariant &value, const QMap<QString, QVariant> &extra)
{
    QStringList parameters{QStringLiteral("action"), action};
    if (!label.isEmpty())
        parameters << QStringLiteral("label") << label;
    if (value.isValid())
        parameters << QStringLiteral("value") << value.toString();
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        parameters << it.key() << it.value().toString();
    m_analytics->sendMeasurement(category, parameters, false);
}

void AnalyticsTracker::sendEvent(const QString &eventName, const QStringList &parameters)
{
    m_analytics->sendMeasurement(eventName, parameters, false);
}

void trackEvent(const QString &category, const QString &action, const QString &label, const QVariant &value,
                const QMap<QString, QVariant> &extra)
{
    AnalyticsTracker::instance()->trackEvent(category, action, label, value, extra);
}

void trackEvent(const char *category, const char *action, const char *label)
{
    trackEvent(QString::fromUtf8(category), QString::fromUtf8(action), QString::fromUtf8(label));
}

void trackEvent(const char *category, const char *action)
{
    trackEvent(category, action, "");
}
