#include "deviceparser.h"
#include "maininterfacefrm.h"
#include "modulebasefrm.h"
#include "modulemanager.h"
#include "moduleregistry.h"
#include "scanitunesbackupmanage.h"
#include "shellinit.h"
#include "vlog.h"
#include "widgetkit.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
    QString logText()
    {
        QFile file(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }
}

// A module that hands a folder over, as the flows do.
class HandingModule : public ModuleBaseFrm
{
    Q_OBJECT

public:
    void handOver(const QString &folder) { emit sigJumptoScanDataView(folder); }
};

// No scan-result page is registered yet: the window's stand-in starts the
// scan of what a module hands over, with the module's categories.
class ScanStandInTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initShell();
        vlogInit();
        QVERIFY(m_work.isValid());
        ModuleRegistry *registry = ModuleRegistry::instance();
        registry->unregisterPage(ModuleRegistry::DataView);
        registry->registerPage(ModuleRegistry::Device, [] { return new HandingModule; });
        registry->registerPage(ModuleRegistry::ICloud, [] { return new HandingModule; });
    }

    void cleanupTestCase() { ScaniTunesBackupManage::instance()->quitScan(); }

    void eachHandOffStartsOneScan_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("line");
        QTest::newRow("device") << int(ModuleManager::IOSDeviceSelectiveBackup) << int(ModuleRegistry::Device)
                                << "[scanBackupsDb]=>";
        QTest::newRow("iCloud") << int(ModuleManager::ICloudBackup) << int(ModuleRegistry::ICloud)
                                << "[scanBackups]=>";
    }

    void eachHandOffStartsOneScan()
    {
        QFETCH(int, module);
        QFETCH(int, slot);
        QFETCH(QString, line);
        MainInterfaceFrm window;
        QVERIFY(window.page(ModuleRegistry::DataView)->metaObject()->indexOfMethod("startScan(QString,QString)") >= 0);
        ModuleManager::instance()->setCurrent(static_cast<ModuleManager::ModuleType>(module));
        DeviceParser::instance()->setScanCategories(0, {1, 2});
        const QString folder = m_work.filePath(QStringLiteral("handed-%1").arg(module));
        const int before = logText().count(line + folder);
        auto *source = qobject_cast<HandingModule *>(window.page(slot));
        QVERIFY(source);
        source->handOver(folder);
        QCOMPARE(window.currentPage(), window.page(ModuleRegistry::DataView));
        QTRY_COMPARE(logText().count(line + folder), before + 1);
        QCOMPARE(window.historySize(), 1);

        // Its Back returns to the module that handed over.
        auto *back = window.currentPage()->findChild<QPushButton *>(QStringLiteral("BackButton"));
        QVERIFY(back);
        back->click();
        QCOMPARE(window.currentPage(), window.page(slot));
        ScaniTunesBackupManage::instance()->stopScanBackupsDb();
    }
};

QTEST_MAIN(ScanStandInTest)
#include "scanstandin_test.moc"
