#include "analyticstracker.h"
#include "ganalytics.h"
#include "loopbackhttpserver.h"
#include "settingsentry.h"

#include <QProcess>
#include <QSettings>
#include <QUrlQuery>
#include <QtTest>

using testsupport::LoopbackHttpServer;

namespace
{
    QUrlQuery queryOf(const LoopbackHttpServer::Request &request)
    {
        return QUrlQuery(QUrl(QString::fromLatin1(request.target)));
    }

    QString value(const LoopbackHttpServer::Request &request, const QString &key)
    {
        return queryOf(request).queryItemValue(key, QUrl::FullyDecoded);
    }
}

// One process, one tracker: the first event builds it on an empty settings
// store, so the start-up events come first.
class AnalyticsTrackerTest : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer m_server;
    int m_seen = 0;

    QList<LoopbackHttpServer::Request> next(int count)
    {
        if (!m_server.waitForRequests(m_seen + count, 5000))
            return {};
        const auto requests = m_server.requests().mid(m_seen, count);
        m_seen += count;
        return requests;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        m_server.setDefaultReply(LoopbackHttpServer::Reply::ok("ok"));
        qputenv("QUENROW_ANALYTICS_URL", m_server.url("/g/collect?v=2&sct=1&seg=1").toUtf8());
        QSettings().clear(); // a first start
        QVERIFY(!SettingsEntry::instance()->contains(SettingsKey::AppFirstCycle, SettingsEntry::UserScope));
    }

    void firstStartReportsTheSystemThenTheProduct()
    {
        trackEvent("Lifecycle", "Start");
        const auto requests = next(8);
        QCOMPARE(requests.size(), 8);
        const QStringList systemKeys{"SysOS", "SysLanguage", "SysCountry", "SysScreenResolution", "SysZoomSetting"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(value(requests.at(i), "en"), QStringLiteral("System"));
            QVERIFY2(queryOf(requests.at(i)).hasQueryItem("ep." + systemKeys.at(i)), requests.at(i).target.constData());
        }
        QVERIFY(value(requests.at(0), "ep.SysOS").endsWith(QStringLiteral("; x64"))
                || value(requests.at(0), "ep.SysOS").endsWith(QStringLiteral("; x86")));
        QCOMPARE(value(requests.at(3), "ep.SysScreenResolution"), QStringLiteral("800x600")); // the offscreen screen
        QCOMPARE(value(requests.at(5), "ep.label"), QStringLiteral("8.1.0"));
        QCOMPARE(value(requests.at(6), "ep.label"), QStringLiteral("SEO"));

        GAnalytics *client = AnalyticsTracker::instance()->client();
        QCOMPARE(QString::fromLatin1(requests.at(7).target),
                 QStringLiteral("/g/collect?v=2&sct=1&seg=1&tid=G-P7NM2QX4VB&cid=%1&sid=%2&en=Lifecycle&ep.action=Start")
                     .arg(client->clientId(), client->sessionId()));
        QCOMPARE(SettingsEntry::instance()->value(SettingsKey::AppFirstCycle, SettingsEntry::UserScope).toBool(), false);
    }

    // After the first start, later starts send no system report.
    void systemReportGoesOncePerInstallation()
    {
        QVERIFY(!AnalyticsTracker::takeFirstStart()); // the tracker's own start came first
        QSettings().remove(SettingsKey::AppFirstCycle);
        QVERIFY(AnalyticsTracker::takeFirstStart());
        QVERIFY(!AnalyticsTracker::takeFirstStart());
    }

    void eventsKeepTheirValuesAndOrder()
    {
        trackEvent(QStringLiteral("Function"), QStringLiteral("a&b=c #1+2%"), QString::fromUtf8("läbel ü/?"), true,
                   {{"zeta", 2}, {"alpha", "x y"}});
        AnalyticsTracker::instance()->sendEvent(QStringLiteral("Odd"), {QStringLiteral("only")});
        trackEvent("ScanRate", "Done", "");
        const auto requests = next(3);
        QCOMPARE(requests.size(), 3);
        const QList<QPair<QString, QString>> expected{{"ep.action", "a&b=c #1+2%"}, {"ep.label", QString::fromUtf8("läbel ü/?")},
                                                     {"ep.value", "true"}, {"ep.alpha", "x y"}, {"ep.zeta", "2"}};
        QCOMPARE(queryOf(requests.at(0)).queryItems(QUrl::FullyDecoded).mid(7), expected);
        QCOMPARE(value(requests.at(1), "ep.only"), QStringLiteral("1"));
        QCOMPARE(value(requests.at(2), "en"), QStringLiteral("ScanRate"));
        QVERIFY(!queryOf(requests.at(2)).hasQueryItem("ep.label"));
    }

    // A request left unanswered when main returns must not hold the exit.
    void exitDoesNotWaitForAnUnansweredRequest()
    {
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/analytics_exit_probe", QStringList());
        QVERIFY(probe.waitForStarted(5000));
        QVERIFY2(probe.waitForFinished(20000), "the program still runs 20 s after main returned");
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QVERIFY2(probe.readAllStandardOutput().contains("request in flight"), "the probe's request never reached its server");
    }
};

QTEST_MAIN(AnalyticsTrackerTest)
#include "analyticstracker_test.moc"
