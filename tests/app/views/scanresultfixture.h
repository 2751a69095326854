#pragma once

#include "abstractdataview.h"
#include "categorytablemodel.h"
#include "csortfilterproxymodel.h"
#include "ctoolbar.h"
#include "deviceparser.h"
#include "fakescanengine.h"
#include "icloudhelp.h"
#include "modulemanager.h"
#include "navigationitemmodel.h"
#include "navigationitemview.h"
#include "recovernatmanager.h"
#include "scanitunesbackupmanage.h"
#include "scanresultwiring.h"
#include "tabledataview.h"
#include "viewnativedatamanage.h"

#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The scan-result page over the real record store and scan worker, the
// worker's engine scripted (EngineScript), wired as the program wires it.
class ScanResultFixture
{
public:
    EngineScript script;
    std::unique_ptr<ScaniTunesBackupManage> scanner;
    std::unique_ptr<ViewNativeDataManage> page;
    QTemporaryDir backup; // the folder handed to the scan; the scripted engine reads nothing of it

    ScanResultFixture()
        : ScanResultFixture([this](IDBExecutor **out) {
            *out = new FakeScanEngine(script);
            return true;
        })
    {
    }

    // With the engines factory makes (ScanVardex::ExecutorFactory() for the
    // real one, reading the backup folder).
    explicit ScanResultFixture(ScanVardex::ExecutorFactory factory)
    {
        DeviceParser::instance()->clearAll();
        DeviceParser::instance()->resetRecords(DeviceData::DeviceGroup);
        DeviceParser::instance()->setScanFinished(DeviceData::DeviceGroup, true);
        scanner = std::make_unique<ScaniTunesBackupManage>(ScanVardex::Sink(), std::move(factory));
        page = std::make_unique<ViewNativeDataManage>();
        ScanResultWiring::wire(page.get(), {scanner.get(), iCloudHelp::instance(), DeviceParser::instance(),
                                            RecoverNatManager::instance()});
        page->resize(1200, 760);
    }

    ~ScanResultFixture()
    {
        // The page first: it undoes its connections to the worker.
        page.reset();
        script.release();
        scanner.reset();
    }

    // As a flow does before it jumps here.
    void startScan(const QList<int> &ids, ModuleManager::ModuleType module = ModuleManager::ITunesBackup,
                   const QString &device = QString())
    {
        ModuleManager::instance()->setCurrent(module);
        DeviceParser::instance()->setScanCategories(DeviceData::DeviceGroup, ids.toVector());
        page->startScan(backup.path(), device);
    }

    // The scan's end has been taken and its result is shown.
    bool waitForResult(int timeoutMs = 10000)
    {
        return QTest::qWaitFor(
            [this] {
                return !page->toolBar()->isScanning() && (page->recoverButton()->isEnabled()
                                                          || page->shownPage() == page->noDataPage());
            },
            timeoutMs);
    }

    // What the feed gathered, shown now.
    void settle() { page->applyFeed(); }

    NavigationItemModel *navigation() const { return page->navigation()->model(); }

    Vx::DataItemInfo rowOf(int id) const
    {
        const QModelIndex index = page->navigation()->indexOfCategory(id);
        return index.isValid() ? navigation()->item(index.row()).value<Vx::DataItemInfo>() : Vx::DataItemInfo();
    }

    int countOf(int id) const { return rowOf(id).value; }

    void show()
    {
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }

    // Picks the category in the list with the mouse.
    void pick(int id)
    {
        QListView *list = page->navigation()->listView();
        const QModelIndex index = page->navigation()->indexOfCategory(id);
        QVERIFY(index.isValid());
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    // Ticks the category's box in the list, as a click on it does.
    void tickCategory(int id)
    {
        QListView *list = page->navigation()->listView();
        const QModelIndex index = page->navigation()->indexOfCategory(id);
        QVERIFY(index.isValid());
        list->setCurrentIndex(index);
        QTest::keyClick(list, Qt::Key_Space);
    }

    TableDataView *table() const { return qobject_cast<TableDataView *>(page->currentView()); }
};
