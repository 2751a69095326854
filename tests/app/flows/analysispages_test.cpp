#include "analysingdatafrm.h"
#include "analysisdatanullfrm.h"
#include "flowsinit.h"
#include "flowstyle.h"
#include "modulemanager.h"
#include "shots.h"
#include "widgetkit.h"

#include <QLabel>
#include <QtTest>

namespace
{
    const QString kDeviceScanning = QStringLiteral(
        "Please keep the device connection stable during the scanning process. How long the scan takes depends on "
        "the size of the device's data. The more data, the longer it takes. Please wait.");
    const QString kCloudScanning = QStringLiteral(
        "It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of "
        "your iCloud backup. Please wait patiently!");
    const QString kBackupScanning = QStringLiteral(
        "The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. "
        "Please wait patiently.");
    const QString kCloudNothing = QStringLiteral(
        "Note: If you can't find the data you need, try using other features. Or select different types of data to "
        "scan.");
    const QString kOtherNothing = QStringLiteral(
        "Note: If you don't find the data you want, please use \"Recover Data from iTunes Backup\" or go back to "
        "select other data types to scan again.");

    QString labelText(QWidget *page, const char *name)
    {
        auto *label = page->findChild<QLabel *>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
    }

    void setModule(int id)
    {
        ModuleManager::instance()->setCurrent(static_cast<ModuleManager::ModuleType>(id));
    }
}

class AnalysisPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initFlows();
        useApplicationStyleSheet();
    }

    void cleanup() { setModule(ModuleManager::Home); }

    void notesFollowTheSource_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<QString>("scanning");
        QTest::addColumn<QString>("nothing");
        QTest::newRow("device, selective backup") << 2 << kDeviceScanning << kOtherNothing;
        QTest::newRow("iCloud") << 8 << kCloudScanning << kCloudNothing;
        QTest::newRow("iTunes backup") << 4 << kBackupScanning << kOtherNothing;
        QTest::newRow("device, plain backup") << 1 << kBackupScanning << kOtherNothing;
        QTest::newRow("home") << 0 << kBackupScanning << kOtherNothing;
    }

    // Each page is made before the source is chosen: the note comes from the
    // show, as when one page serves every flow.
    void notesFollowTheSource()
    {
        QFETCH(int, module);
        QFETCH(QString, scanning);
        QFETCH(QString, nothing);
        AnalysingDataFrm analysing;
        AnalysisDataNullFrm empty;
        setModule(module);
        analysing.show();
        empty.show();
        QCOMPARE(labelText(&analysing, "AnalysingNote"), scanning);
        QCOMPARE(labelText(&empty, "NoDataNote"), nothing);
        QCOMPARE(labelText(&empty, "NoDataTitle"), QStringLiteral("No data found!"));
    }

    void everyShowWordsTheNoteAgain()
    {
        setModule(ModuleManager::IOSDeviceSelectiveBackup);
        AnalysingDataFrm analysing;
        AnalysisDataNullFrm empty;
        analysing.show();
        empty.show();
        QCOMPARE(labelText(&analysing, "AnalysingNote"), kDeviceScanning);
        analysing.hide();
        empty.hide();
        setModule(ModuleManager::ICloudBackup);
        QCOMPARE(labelText(&analysing, "AnalysingNote"), kDeviceScanning);
        analysing.show();
        empty.show();
        QCOMPARE(labelText(&analysing, "AnalysingNote"), kCloudScanning);
        QCOMPARE(labelText(&empty, "NoDataNote"), kCloudNothing);
    }

    void theAnimationRunsOnlyWhileShown()
    {
        setModule(ModuleManager::IOSDeviceSelectiveBackup);
        QWidget holder;
        holder.resize(1000, 600);
        auto *analysing = new AnalysingDataFrm(&holder);
        analysing->resize(holder.size());
        QVERIFY(!analysing->isAnimating());
        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));
        QVERIFY(analysing->isAnimating());
        saveShot(&holder, "analysing");
        analysing->hide();
        QVERIFY(!analysing->isAnimating());
        analysing->show();
        QVERIFY(analysing->isAnimating());
        holder.hide();
        QVERIFY(!analysing->isAnimating());
    }

    void theEmptyResultPage()
    {
        setModule(ModuleManager::ITunesBackup);
        AnalysisDataNullFrm empty;
        empty.resize(1000, 600);
        empty.show();
        QVERIFY(QTest::qWaitForWindowExposed(&empty));
        saveShot(&empty, "no-data");
    }
};

QTEST_MAIN(AnalysisPagesTest)
#include "analysispages_test.moc"
