// The Recover button: the checks before an export, in their order, the
// progress and result dialogs, and what the export writes.

#include "analyticsrecorder.h"
#include "appevent.h"
#include "checkabletableview.h"
#include "messageboxscript.h"
#include "modaldriver.h"
#include "pathdoesnotexistdialog.h"
#include "pathinvaliddialog.h"
#include "recordaccess.h"
#include "recoverpathunreadabilitydialog.h"
#include "recoverprogressdialog.h"
#include "recoversuccessdialog.h"
#include "scanresultfixture.h"
#include "settingsentry.h"
#include "shots.h"
#include "widgetkit.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

using namespace DeviceData;

namespace
{
    // Stands in for the main window under key 0: the events it was sent.
    class EventCatcher : public QObject
    {
    public:
        QList<int> types;

    protected:
        void customEvent(QEvent *event) override { types << int(event->type()); }
    };

    // What the desktop was asked to open.
    class UrlCatcher : public QObject
    {
        Q_OBJECT

    public:
        QList<QUrl> opened;

    public slots:
        void open(const QUrl &url) { opened << url; }
    };

    QString readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
}

class RecoverChainTest : public QObject
{
    Q_OBJECT

private:
    AnalyticsRecorder m_analytics;
    EventCatcher m_window;
    UrlCatcher m_desktop;
    std::unique_ptr<QTemporaryDir> m_exports;

    void setExportFolder(const QString &folder)
    {
        SettingsEntry::instance()->setValue(SettingsKey::RecoverPath, folder, SettingsEntry::UserScope);
        RecoverNatManager::setRecoverFolder(folder);
    }

    // A finished scan of five calls, shown.
    void scanCalls(ScanResultFixture &f)
    {
        f.show();
        f.page->setFreeSpaceProvider([](const QString &) { return quint64(1) << 40; });
        f.script.setCalls(DBAPP_CALL_HISTORY, scriptedCalls(5));
        MessageBoxScript boxes({1});
        f.startScan({CallHistory});
        QVERIFY(f.waitForResult());
        QCOMPARE(f.page->currentCategory(), int(CallHistory));
    }

    // Ticks shown rows of the table with Space, as a keyboard user does.
    void tickRows(ScanResultFixture &f, const QList<int> &rows)
    {
        QTableView *table = f.table()->tableView();
        table->setFocus();
        for (int row : rows) {
            table->setCurrentIndex(table->model()->index(row, 1));
            QTest::keyClick(table, Qt::Key_Space);
        }
    }

    // Runs an export to its result dialog, whose text is returned; OK
    // closes it.
    QString recoverToResult(ScanResultFixture &f)
    {
        QString text;
        // Armed twice: a second result dialog of the same run would take
        // the second action.
        for (int i = 0; i < 2; ++i)
            ModalDriver::onNext<RecoverSuccessDialog>(
                [&text](RecoverSuccessDialog *dialog) {
                    text = dialog->text();
                    saveShot(dialog, QStringLiteral("result"));
                    ModalDriver::clickButton(dialog, QStringLiteral("OK"));
                },
                8000);
        QTest::mouseClick(f.page->recoverButton(), Qt::LeftButton);
        if (!QTest::qWaitFor([] { return ModalDriver::pending() == 1; }, 20000))
            return QStringLiteral("no result dialog");
        QTest::qWait(300);
        if (ModalDriver::pending() != 1)
            return QStringLiteral("two result dialogs");
        ModalDriver::clear();
        return text;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_analytics.start());
        initWidgetKit();
        registerMetaTypes();
        appEventReceivers().insert(0, &m_window);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_desktop, "open");
        RecoverNatManager::setOverDelay(0);
    }

    void init()
    {
        m_exports = std::make_unique<QTemporaryDir>();
        setExportFolder(m_exports->path());
        m_window.types.clear();
        m_desktop.opened.clear();
    }

    void cleanup()
    {
        QCOMPARE(ModalDriver::pending(), 0);
        ModalDriver::rejectAllModals();
    }

    void nothingTickedAsksForATick()
    {
        ScanResultFixture f;
        scanCalls(f);
        MessageBoxScript boxes({1});
        QTest::mouseClick(f.page->recoverButton(), Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().kind, int(XMessageBox::Information));
        QCOMPARE(boxes.shown().first().text, QStringLiteral("Please select the data you want to recover."));
        QVERIFY(!f.page->progressDialog());
    }

    void aMissingFolderIsTold_data()
    {
        QTest::addColumn<bool>("changePath");
        QTest::newRow("OK") << false;
        QTest::newRow("change the export path") << true;
    }

    void aMissingFolderIsTold()
    {
        QFETCH(bool, changePath);
        ScanResultFixture f;
        scanCalls(f);
        tickRows(f, {0});
        setExportFolder(m_exports->filePath("gone"));
        ModalDriver::onNext<PathDoesNotExistDialog>([changePath](PathDoesNotExistDialog *dialog) {
            if (changePath)
                dialog->done(PathNoticeDialog::ChangePath);
            else
                ModalDriver::clickButton(dialog, QStringLiteral("OK"));
        });
        QTest::mouseClick(f.page->recoverButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(m_window.types, changePath ? QList<int>{1014} : QList<int>{});
        QVERIFY(!f.page->progressDialog());
        QVERIFY(!QFileInfo::exists(m_exports->filePath("gone")));
    }

    void theDesktopIsTheDefault()
    {
        ScanResultFixture f;
        scanCalls(f);
        tickRows(f, {1});
        SettingsEntry::instance()->setValue(SettingsKey::RecoverPath, QVariant(), SettingsEntry::UserScope);
        QSettings().remove(SettingsKey::RecoverPath);
        RecoverNatManager::setRecoverFolder(QString());
        const QString desktop = SettingsEntry::instance()->desktopPath();
        QDir(desktop).removeRecursively();
        ModalDriver::onNext<PathDoesNotExistDialog>(
            [](PathDoesNotExistDialog *dialog) { ModalDriver::clickButton(dialog, QStringLiteral("OK")); });
        QTest::mouseClick(f.page->recoverButton(), Qt::LeftButton);
        QVERIFY(ModalDriver::pending() == 0);

        QVERIFY(QDir().mkpath(desktop));
        QCOMPARE(recoverToResult(f), QStringLiteral("1 data restored successfully!"));
        QCOMPARE(QDir(desktop).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        QDir(desktop).removeRecursively();
    }

    void aFolderThatCannotBeWrittenIsTold()
    {
        ScanResultFixture f;
        scanCalls(f);
        tickRows(f, {0});
        // Nobody, root included, makes a file there.
        setExportFolder(QStringLiteral("/proc/self"));
        ModalDriver::onNext<PathInvalidDialog>(
            [](PathInvalidDialog *dialog) { dialog->done(PathNoticeDialog::ChangePath); });
        QTest::mouseClick(f.page->recoverButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(m_window.types, QList<int>{1014});
        QVERIFY(!f.page->progressDialog());
    }

    void freeSpaceAtTheThreshold_data()
    {
        QTest::addColumn<quint64>("free");
        QTest::addColumn<bool>("exports");
        QTest::newRow("one byte short") << quint64(104857599) << false;
        QTest::newRow("exactly 100 MiB") << quint64(104857600) << true;
    }

    void freeSpaceAtTheThreshold()
    {
        QFETCH(quint64, free);
        QFETCH(bool, exports);
        ScanResultFixture f;
        scanCalls(f);
        tickRows(f, {2});
        QString asked;
        f.page->setFreeSpaceProvider([free, &asked](const QString &folder) {
            asked = folder;
            return free;
        });
        if (exports) {
            QCOMPARE(recoverToResult(f), QStringLiteral("1 data restored successfully!"));
        } else {
            ModalDriver::onNext<RecoverPathunreadabilityDialog>([](RecoverPathunreadabilityDialog *dialog) {
                QCOMPARE(dialog->text(), QStringLiteral("Insufficient space, export data failed! Please ensure that "
                                                        "there is more than 100MB in the disk space."));
                dialog->done(RecoverPathunreadabilityDialog::OpenSettings);
            });
            QTest::mouseClick(f.page->recoverButton(), Qt::LeftButton);
            QCoreApplication::processEvents();
            QCOMPARE(m_window.types, QList<int>{1014});
            QVERIFY(!f.page->progressDialog());
            QVERIFY(m_analytics.waitFor("RecoverRate/PCNotEnoughSpace/"));
        }
        // The export folder itself is measured.
        QCOMPARE(asked, m_exports->path());
    }

    void theTickedRecordsAreWrittenAndShown()
    {
        ScanResultFixture f;
        scanCalls(f);
        f.table()->proxyModel()->sort(1, Qt::AscendingOrder);
        tickRows(f, {0, 3});
        QStringList ticked;
        for (int row : {0, 3})
            ticked << f.table()->proxyModel()->index(row, 1).data(Qt::AccessibleTextRole).toString();
        // A file of the user's with the probe's name stays as it was.
        QFile own(m_exports->filePath("TestWriteAble.txt"));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("mine");
        own.close();

        QCOMPARE(recoverToResult(f), QStringLiteral("2 data restored successfully!"));
        RecoverProgressDialog *progress = f.page->progressDialog();
        QVERIFY(progress);
        QVERIFY(!progress->isVisible());
        QCOMPARE(readAll(own.fileName()), QStringLiteral("mine"));

        const QString root = RecoverNatManager::instance()->recoverPath();
        QCOMPARE(QFileInfo(root).path(), m_exports->path());
        QCOMPARE(m_desktop.opened, QList<QUrl>{QUrl::fromLocalFile(root)});
        const QStringList lines = readAll(root + "/Call History/Call History.csv").split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        for (const QString &name : ticked)
            QCOMPARE(lines.filter(name).size(), 1);
        QVERIFY(m_analytics.waitFor("RecoverRate/Click_Recover/"));
        QVERIFY(m_analytics.waitFor("RecoverRate/RecoverType/CallHistory_"));

        // Again: the same dialog, one result, the same counters' source.
        tickRows(f, {1});
        QCOMPARE(recoverToResult(f), QStringLiteral("3 data restored successfully!"));
        QCOMPARE(f.page->progressDialog(), progress);
        QCOMPARE(m_desktop.opened.size(), 2);
    }

    void aSingleFileSkipsTheSpaceCheck()
    {
        ScanResultFixture f;
        scanCalls(f);
        f.page->setFreeSpaceProvider([](const QString &) { return quint64(0); });
        QFile file(m_exports->filePath("voice.m4a"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("audio");
        file.close();
        QTemporaryDir into;
        setExportFolder(into.path());
        QString text;
        ModalDriver::onNext<RecoverSuccessDialog>([&text](RecoverSuccessDialog *dialog) {
            text = dialog->text();
            ModalDriver::clickButton(dialog, QStringLiteral("OK"));
        });
        QMetaObject::invokeMethod(f.page.get(), "exportSingleFile", Q_ARG(QString, file.fileName()),
                                  Q_ARG(QString, QStringLiteral("voice.m4a")));
        QTRY_COMPARE_WITH_TIMEOUT(ModalDriver::pending(), 0, 20000);
        QCOMPARE(text, QStringLiteral("1 data restored successfully!"));
    }
};

QTEST_MAIN(RecoverChainTest)
#include "recoverchain_test.moc"
