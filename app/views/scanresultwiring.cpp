#include "scanresultwiring.h"

#include "deviceparser.h"
#include "icloudhelp.h"
#include "recovernatmanager.h"
#include "scanfeed.h"
#include "scanitunesbackupmanage.h"
#include "viewnativedatamanage.h"

#include <memory>

namespace ScanResultWiring {

Services Services::standard()
{
    return {ScaniTunesBackupManage::instance(), iCloudHelp::instance(), DeviceParser::instance(),
            RecoverNatManager::instance()};
}

void wire(ViewNativeDataManage *page, const Services &services)
{
    page->setScanner(services.scanner);
    const std::shared_ptr<ScanFeed> feed = page->feed();
    // The feed outlives a call in flight on the scan's thread: each
    // connection holds it, and the page undoes them when it goes.
    const auto keep = [page](const QMetaObject::Connection &connection) { page->keepConnection(connection); };
    if (DeviceParser *store = services.store) {
        keep(QObject::connect(
            store, &DeviceParser::dataReceived, store,
            [feed](DeviceData::GroupType, int type, const QVariant &record, int total) {
                feed->addRecord(type, record, total);
            },
            Qt::DirectConnection));
        keep(QObject::connect(
            store, &DeviceParser::dataReceivedV1, store,
            [feed](int scanType, int kind, const QVariant &record, int total) {
                feed->addKindRecord(scanType, kind, record, total);
            },
            Qt::DirectConnection));
        keep(QObject::connect(
            store, &DeviceParser::dataUpDate, store,
            [feed](DeviceData::GroupType, int type, const QString &session, const QVariant &record) {
                feed->addSessionUpdate(type, session, record);
            },
            Qt::DirectConnection));
        keep(QObject::connect(
            store, &DeviceParser::dataFinished, store,
            [feed](DeviceData::GroupType, int type) { feed->addFinished(type); }, Qt::DirectConnection));
    }
    if (ScaniTunesBackupManage *scanner = services.scanner) {
        keep(QObject::connect(
            scanner, &ScaniTunesBackupManage::sigScanBackupsDbStart, scanner,
            [feed] { feed->setWorkerRunning(true); }, Qt::DirectConnection));
        keep(QObject::connect(
            scanner, &ScaniTunesBackupManage::sigScanBackupsDbStop, scanner,
            [feed] { feed->setWorkerRunning(false); }, Qt::DirectConnection));
        QObject::connect(scanner, &ScaniTunesBackupManage::sigScanBackupsDbStop, page,
                         &ViewNativeDataManage::slotScanDbStop, Qt::QueuedConnection);
    }
    if (iCloudHelp *cloud = services.cloud)
        QObject::connect(cloud, &iCloudHelp::sigPullBackupsStop, page, &ViewNativeDataManage::slotScanDbStop,
                         Qt::QueuedConnection);
    if (RecoverNatManager *recover = services.recover) {
        QObject::connect(recover, &RecoverNatManager::sigRecoverProgress, page,
                         &ViewNativeDataManage::onRecoverProgress, Qt::QueuedConnection);
        QObject::connect(recover, &RecoverNatManager::sigReocverFileProcess, page,
                         &ViewNativeDataManage::onRecoverFileProcess, Qt::QueuedConnection);
        QObject::connect(recover, &RecoverNatManager::sigResetFileProgress, page,
                         &ViewNativeDataManage::onResetFileProgress, Qt::QueuedConnection);
        QObject::connect(recover, &RecoverNatManager::sigRecoverOver, page, &ViewNativeDataManage::onRecoverOver,
                         Qt::QueuedConnection);
    }
}

} // namespace ScanResultWiring
