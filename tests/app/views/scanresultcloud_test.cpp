// The iCloud flow on the scan-result page, over the scripted iCloud
// library after a sign-in whose account value is 0: three contacts come
// down slowly, notes not at all.

#include "analyticsrecorder.h"
#include "messageboxscript.h"
#include "scanresultfixture.h"
#include "widgetkit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

using namespace DeviceData;

class ScanResultCloudTest : public QObject
{
    Q_OBJECT

private:
    AnalyticsRecorder m_analytics;

private slots:
    void initTestCase()
    {
        QVERIFY(m_analytics.start());
        initWidgetKit();
        registerMetaTypes();
        QJsonArray records;
        for (int id : {1, 2, 3})
            records << QJsonObject{{"kind", 4},
                                   {"subKind", 0},
                                   {"record", QJsonObject{{"contactId", id}, {"firstName", QString("C%1").arg(id)}}}};
        const QJsonObject script{{"login", QJsonArray{0}}, {"accountInfo", 0}, {"recordDelayMs", 150},
                                 {"records", records}};
        qputenv("QUENROW_CIRRANE_SCRIPT", QJsonDocument(script).toJson(QJsonDocument::Compact));
        QCOMPARE(iCloudHelp::instance()->login(QStringLiteral("kim@example.com"), QStringLiteral("secret")), 0);
        QCOMPARE(iCloudHelp::instance()->accountInfo(), 0);
    }

    void aCancelledReturnLetsTheDownloadGoOn()
    {
        ScanResultFixture f;
        f.show();
        f.startScan({Contacts}, ModuleManager::ICloudBackup);
        QTRY_COMPARE(f.countOf(Contacts), 1);
        QSignalSpy back(f.page.get(), &ModuleBaseFrm::sigBackButtonClicked);
        {
            MessageBoxScript boxes({2});
            QTest::mouseClick(f.page->backButton(), Qt::LeftButton);
            QCOMPARE(boxes.shown().first().text,
                     QStringLiteral("Are you sure you want to return? You will need to re-download the data after "
                                    "returning."));
        }
        QCOMPARE(back.count(), 0);
        QVERIFY(f.page->toolBar()->isScanning());

        MessageBoxScript boxes({1});
        QVERIFY(f.waitForResult());
        QCOMPARE(f.countOf(Contacts), 3);
        QCOMPARE(DeviceParser::instance()->records(DeviceGroup, Contacts).size(), 3);
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown().first().text.contains(
            QStringLiteral("3 piece(s) data has been downloaded, please recover your data as soon as possible.")));
        QVERIFY(m_analytics.waitFor("iCloudDownloadSituation/StartDownload/"));
        QVERIFY(m_analytics.waitFor("iCloudDownloadSituation/FinishDownload/"));
    }

    void anEmptyDownloadAfterASignInShowsNoFailure()
    {
        ScanResultFixture f;
        f.show();
        MessageBoxScript boxes({});
        f.startScan({Notes}, ModuleManager::ICloudBackup);
        QVERIFY(f.waitForResult());
        QCOMPARE(f.page->shownPage(), f.page->noDataPage());
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(m_analytics.waitFor("iCloudDownloadSituation/NoiCloudData/"));
    }
};

QTEST_MAIN(ScanResultCloudTest)
#include "scanresultcloud_test.moc"
