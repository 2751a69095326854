#include "viewnativedatamanage.h"

#include "abstractdataview.h"
#include "analysingdatafrm.h"
#include "analysisdatanullfrm.h"
#include "analyticstracker.h"
#include "appevent.h"
#include "categorytable.h"
#include "ctoolbar.h"
#include "dataviewfactory.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "fileutils.h"
#include "flowlinks.h"
#include "icloudhelp.h"
#include "mobiledevicebackupmanager.h"
#include "mobiledeviceconnect.h"
#include "mobiledeviceobject.h"
#include "modulemanager.h"
#include "navigationitemview.h"
#include "pathdoesnotexistdialog.h"
#include "pathinvaliddialog.h"
#include "processutils.h"
#include "recordaccess.h"
#include "recovernatmanager.h"
#include "recoverpathunreadabilitydialog.h"
#include "recoverprogressdialog.h"
#include "recoversuccessdialog.h"
#include "scanfeed.h"
#include "scanitunesbackupmanage.h"
#include "settingsentry.h"
#include "thumbnailsessionmanager.h"
#include "vlog.h"
#include "xmessagebox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QStackedLayout>
#include <QTemporaryFile>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <utility>

using namespace DeviceData;

namespace
{
    enum class Flow
    {
        Device,
        ICloud,
        ITunes
    };

    Flow currentFlow()
    {
        switch (ModuleManager::instance()->current()) {
        case ModuleManager::IOSDevice:
        case ModuleManager::IOSDeviceSelectiveBackup:
            return Flow::Device;
        case ModuleManager::ICloudBackup:
            return Flow::ICloud;
        default:
            return Flow::ITunes;
        }
    }

    bool isSelectiveDeviceFlow()
    {
        return ModuleManager::instance()->current() == ModuleManager::IOSDeviceSelectiveBackup;
    }

    // One moment of the scan, as each flow names it.
    void trackFlowEvent(const char *deviceLabel, const char *cloudAction, const char *itunesAction)
    {
        switch (currentFlow()) {
        case Flow::Device:
            trackEvent("RecoverfromiOSDevice", "RecoverDataProcess", deviceLabel);
            break;
        case Flow::ICloud:
            trackEvent("iCloudDownloadSituation", cloudAction);
            break;
        case Flow::ITunes:
            trackEvent("RecoverfromiTunesBackup", itunesAction);
            break;
        }
    }

    // The names of the categories of an export, for analytics and the log.
    QString exportLabels(const QList<int> &ids)
    {
        static const QMap<int, const char *> labels{
            {Contacts, "Contacts_"},
            {Messages, "Messages_"},
            {MessagesAttachment, "MessagesAttach_"},
            {Voicemails, "Voicemails_"},
            {VoiceMemos, "VoiceMemos"},
            {Photos, "Photos_"},
            {AlbumVideos, "Video in album_"},
            {FaceTime, "FaceTime_"},
            {SafariBookmarks, "SafariBookmarks_"},
            {SafariHistory, "SafariHistory_"},
            {Notes, "Notes_"},
            {NotesAttachment, "NotesAttach_"},
            {CallHistory, "CallHistory_"},
            {Calendars, "Calendars_"},
            {CalendarsAttachment, "CalendarsAttach_"},
            {Reminders, "Reminders _"},
            {RemindersAttachment, "RemindersAttach_"},
            {AppPhotos, "AppPhotos_"},
            {AppVideos, "AppVideos_"},
            {AppAudios, "AppAudios_"},
            {AppDocuments, "AppDocuments_"},
            {WhatsApp, "AppWhatsApp_"},
            {WhatsAppAttachment, "AppWhatsAppAttach_"},
            {Line, "AppLine_"},
            {LineAttachment, "AppLineAttach_"},
        };
        QString text;
        for (int id : ids)
            text += QLatin1String(labels.value(id, ""));
        return text;
    }

    bool isSessionStore(int type)
    {
        return type == WhatsAppAttachment || type == LineAttachment;
    }

    bool holdsPhotosOrVideos(const QList<int> &ids)
    {
        return ids.contains(Photos) || ids.contains(AlbumVideos);
    }

    // The records a category holds in the store.
    int storedCount(DeviceParser *store, int type)
    {
        if (!isSessionStore(type))
            return store->records(DeviceGroup, type).size();
        int total = 0;
        const QMap<int, QList<QVariant>> lists = store->sessionMap(type);
        for (const QList<QVariant> &list : lists)
            total += list.size();
        return total;
    }
}

class ViewNativeDataManagePrivate
{
public:
    NavigationItemView *navigation = nullptr;
    AnalysingDataFrm *analysing = nullptr;
    AnalysisDataNullFrm *noData = nullptr;
    QWidget *blank = nullptr; // a category without a view of its own
    CToolBar *toolBar = nullptr;
    QStackedLayout *stack = nullptr;
    QPushButton *back = nullptr;
    QPushButton *recover = nullptr;
    RecoverProgressDialog *progress = nullptr;

    int current = -1;
    QMap<int, int> loadedCounts;
    QString keyword;
    bool switching = false;
    bool userReturned = false;
    bool stopRequested = false;
    // The device flow reads photos and album videos from the phone and the
    // rest from its backup, one request to the worker at a time: a new
    // request would replace the queue of the one that runs.
    bool mediaPending = false;       // the categories of the backup are not with the worker yet
    bool awaitingBackup = false;     // the backup still ran at the hand-off; its end comes as task 0
    bool awaitingDecryption = false; // this page's decryption; its end comes as task 1
    bool workerBusy = false;         // a request is with the worker (or the pull) and has not ended
    QString heldFolder;              // the backup's folder, scanned once the worker is free
    bool scanRunning = false;        // from startScan until its end was taken
    bool quitting = false;           // the program's end was confirmed
    int run = 0;              // a new scan or a return makes a pending result stale

    ScaniTunesBackupManage *scanner = nullptr;
    std::shared_ptr<ScanFeed> feed = std::make_shared<ScanFeed>();
    QTimer feedTimer;
    QList<QMetaObject::Connection> connections;
    std::function<quint64(const QString &)> freeSpace;
    QList<int> exportIds; // the categories of the running export
    QString deviceName;   // of the device flow's device
};

ViewNativeDataManage::ViewNativeDataManage(QWidget *parent)
    : ModuleBaseFrm(parent)
    , d(new ViewNativeDataManagePrivate)
{
    buildUi();
    d->feedTimer.setInterval(FeedIntervalMs);
    connect(&d->feedTimer, &QTimer::timeout, this, &ViewNativeDataManage::applyFeed);
}

ViewNativeDataManage::~ViewNativeDataManage()
{
    for (const QMetaObject::Connection &connection : qAsConst(d->connections))
        disconnect(connection);
}

void ViewNativeDataManage::buildUi()
{
    d->navigation = new NavigationItemView(this);
    d->toolBar = new CToolBar(this);
    d->noData = new AnalysisDataNullFrm(this);
    d->analysing = new AnalysingDataFrm(this);
    d->blank = new QWidget(this);

    d->stack = new QStackedLayout;
    d->stack->addWidget(d->noData);
    d->stack->addWidget(d->analysing);
    d->stack->addWidget(d->blank);
    d->stack->setCurrentWidget(d->analysing);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(d->toolBar);
    column->addLayout(d->stack);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(d->navigation);
    row->addLayout(column, 1);

    auto *bottom = new QFrame(this);
    bottom->setObjectName(QStringLiteral("backgroundStyle"));
    bottom->setFixedHeight(68);
    bottom->setStyleSheet(
        QStringLiteral("QFrame#backgroundStyle{background: #FFFFFF;border-top: 2px solid rgb(240,240,240);}"));
    //: Button that leaves the scan results for the previous page; about 12 characters fit.
    d->back = new QPushButton(QObject::tr("Back"), bottom);
    d->back->setObjectName(QStringLiteral("BackButton"));
    d->back->setFixedSize(154, 36);
    //: Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.
    d->recover = new QPushButton(QObject::tr("Recover"), bottom);
    d->recover->setObjectName(QStringLiteral("RecoverButton"));
    d->recover->setFixedSize(154, 36);
    d->recover->setEnabled(false);
    auto *buttons = new QHBoxLayout(bottom);
    buttons->addSpacing(10);
    buttons->addWidget(d->back);
    buttons->addStretch();
    buttons->addStretch();
    buttons->addWidget(d->recover);
    buttons->addSpacing(10);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(row);
    layout->addWidget(bottom);

    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(255, 255, 255));
    setPalette(background);
    setAutoFillBackground(true);

    connect(d->back, &QPushButton::clicked, this, &ViewNativeDataManage::goBack);
    connect(d->recover, &QPushButton::clicked, this, &ViewNativeDataManage::slotRecoverButton);
    connect(d->navigation, &NavigationItemView::currentTypeChanged, this, &ViewNativeDataManage::showCategory);
    connect(d->navigation, &NavigationItemView::checkStateChanged, this,
            &ViewNativeDataManage::setCategoryChecked);
    connect(d->toolBar, &CToolBar::scanningStopped, this, &ViewNativeDataManage::confirmStopScan,
            Qt::DirectConnection);
    connect(d->toolBar, &CToolBar::filterClicked, this, [this] {
        if (AbstractDataView *view = currentView())
            view->showFiltrationDialog();
    });
    connect(d->toolBar, &CToolBar::searched, this, [this](const QString &keyword) {
        AbstractDataView *view = currentView();
        if (!view || keyword == d->keyword)
            return;
        d->keyword = keyword;
        view->search(keyword);
    });
    connect(d->toolBar, &CToolBar::currentIndexChanged, this, [this](int index) {
        if (AbstractDataView *view = currentView())
            view->setFilterMode(index);
    });
    connect(d->toolBar, &CToolBar::checkAllClicked, this, [this](int state) {
        AbstractDataView *view = currentView();
        if (!view)
            return;
        view->setAllChecked(state, true, false);
        d->navigation->setCategoryCheckState(d->current, view->checkState(false));
    });
    connect(d->toolBar, &CToolBar::typeIndexChanged, this, [this](int index) {
        AbstractDataView *view = currentView();
        if (view && !d->switching)
            view->setFilterFlag(index);
    });
}

void ViewNativeDataManage::setScanner(ScaniTunesBackupManage *scanner)
{
    d->scanner = scanner;
}

ScaniTunesBackupManage *ViewNativeDataManage::scanner() const
{
    return d->scanner ? d->scanner : ScaniTunesBackupManage::instance();
}

std::shared_ptr<ScanFeed> ViewNativeDataManage::feed() const
{
    return d->feed;
}

void ViewNativeDataManage::keepConnection(const QMetaObject::Connection &connection)
{
    d->connections.append(connection);
}

void ViewNativeDataManage::setFreeSpaceProvider(std::function<quint64(const QString &)> provider)
{
    d->freeSpace = std::move(provider);
}

quint64 ViewNativeDataManage::freeBytes(const QString &folder) const
{
    return d->freeSpace ? d->freeSpace(folder) : diskFreeBytes(folder);
}

int ViewNativeDataManage::currentCategory() const
{
    return d->current;
}

AbstractDataView *ViewNativeDataManage::currentView() const
{
    return qobject_cast<AbstractDataView *>(d->stack->currentWidget());
}

NavigationItemView *ViewNativeDataManage::navigation() const
{
    return d->navigation;
}

CToolBar *ViewNativeDataManage::toolBar() const
{
    return d->toolBar;
}

QPushButton *ViewNativeDataManage::recoverButton() const
{
    return d->recover;
}

QPushButton *ViewNativeDataManage::backButton() const
{
    return d->back;
}

RecoverProgressDialog *ViewNativeDataManage::progressDialog() const
{
    return d->progress;
}

QWidget *ViewNativeDataManage::shownPage() const
{
    return d->stack->currentWidget();
}

QWidget *ViewNativeDataManage::analysingPage() const
{
    return d->analysing;
}

QWidget *ViewNativeDataManage::noDataPage() const
{
    return d->noData;
}

// --- The scan -------------------------------------------------------------

void ViewNativeDataManage::startScan(const QString &source, const QString &deviceSource)
{
    DeviceParser *store = DeviceParser::instance();
    const QList<int> ids = store->scanCategories(DeviceGroup).toList();
    ++d->run;
    clearViews();
    d->navigation->reset();
    d->loadedCounts.clear();
    d->keyword.clear();
    d->current = -1;
    d->feed->clear();

    d->recover->setEnabled(false);
    d->navigation->setCategories(ids);
    d->switching = true;
    d->userReturned = false;
    d->stopRequested = false;
    d->mediaPending = false;
    d->awaitingBackup = false;
    d->awaitingDecryption = false;
    d->workerBusy = false;
    d->heldFolder.clear();
    d->scanRunning = true;
    d->toolBar->setEnabled(true);

    d->stack->setCurrentWidget(d->analysing);
    d->toolBar->setBarType(0);
    d->toolBar->startScanning();
    store->resetRecords(DeviceGroup);
    // Nothing is checkable until this scan ends, whatever the last one left.
    store->setScanFinished(DeviceGroup, false);
    d->feedTimer.start();

    switch (ModuleManager::instance()->current()) {
    case ModuleManager::ICloudBackup:
        d->workerBusy = true;
        iCloudHelp::instance()->scanBackups(ids.toVector(), source);
        break;
    case ModuleManager::IOSDeviceSelectiveBackup: {
        // The phone's photos and videos now, the rest from its backup.
        QList<int> media;
        QList<int> rest;
        for (int id : ids)
            (id == Photos || id == AlbumVideos ? media : rest).append(id);
        d->mediaPending = !rest.isEmpty();
        if (!media.isEmpty()) {
            d->workerBusy = true;
            scanner()->scanBackupsDb(media, source, deviceSource, true);
        }
        if (rest.isEmpty())
            break;
        if (MobileDeviceBackupManager::instance()->isRunning()) {
            // Handed over while the backup runs: its end comes as task 0.
            d->awaitingBackup = true;
        } else {
            // The backup ended before the hand-off: the folder is the
            // finished one, decrypted by the flow where it needed it. Taken
            // once this page shows, as a question may come with it.
            const int run = d->run;
            QTimer::singleShot(0, this, [this, run, source] {
                if (run == d->run && d->scanRunning)
                    takeBackup(source);
            });
        }
        break;
    }
    default:
        d->workerBusy = true;
        scanner()->scanBackupsDb(ids, source, QString(), false);
        break;
    }
    trackFlowEvent("StartScanData", "StartDownload", "StartScanData001");
    d->switching = false;
    // Nothing to scan at all ends at once.
    finishScan();
}

void ViewNativeDataManage::applyFeed()
{
    const ScanFeed::Batch batch = d->feed->take();
    if (batch.isEmpty())
        return;
    for (auto it = batch.counts.cbegin(); it != batch.counts.cend(); ++it)
        d->navigation->setCategoryCount(it.key(), it.value());

    DeviceParser *store = DeviceParser::instance();
    bool reload = false;
    for (int type : batch.finished) {
        const int count = storedCount(store, type);
        d->navigation->setCategoryCount(type, count);
        vlogInfo(QStringLiteral("Scan type(%1) completed! count: %2").arg(type).arg(count));
        // The store sorts a category's attachments with it.
        const CategoryTable::Row *row = CategoryTable::find(type);
        const int attachment = row ? row->attachmentId : 0;
        if (attachment)
            d->navigation->setCategoryCount(attachment, storedCount(store, attachment));
        reload = reload || (d->current >= 0 && (type == d->current || attachment == d->current));
    }

    AbstractDataView *view = currentView();
    if (!view)
        return;
    if (reload) {
        reloadCurrent();
        return;
    }
    const auto loaded = d->loadedCounts.constFind(d->current);
    for (const ScanFeed::Record &record : batch.records) {
        // A record of the list the view was given is not added twice.
        if (loaded != d->loadedCounts.cend() && record.total <= loaded.value())
            continue;
        if (record.kind >= 0)
            view->appendItemByKind(record.kind, record.record);
        else
            view->appendItem(record.record);
    }
    for (const ScanFeed::SessionUpdate &update : batch.updates)
        view->updateItem(update.session, update.record);
}

void ViewNativeDataManage::reloadCurrent()
{
    AbstractDataView *view = currentView();
    if (!view)
        return;
    DeviceParser *store = DeviceParser::instance();
    const QList<QVariant> records = store->records(DeviceGroup, d->current);
    d->loadedCounts[d->current] = isSessionStore(d->current) ? storedCount(store, d->current) : records.size();
    const bool wasSwitching = d->switching;
    d->switching = true;
    view->setDataList(records);
    view->setCheckEnabled(!d->toolBar->isScanning() && store->isScanFinished(DeviceGroup));
    d->switching = wasSwitching;
}

void ViewNativeDataManage::showCategory(int type)
{
    if (type == d->current && d->current >= 0) {
        refreshTypeCounts(false);
        return;
    }
    if (AbstractDataView *old = currentView()) {
        old->stopLoading();
        old->clear();
        if (old->testAttribute(Qt::WA_DeleteOnClose))
            removeView(old);
    }
    // The tool bar's search box starts empty with the new page.
    d->keyword.clear();

    // A view the page keeps (the messages) is shown again, not made anew.
    AbstractDataView *view = nullptr;
    for (int i = 0; i < d->stack->count() && !view; ++i) {
        auto *kept = qobject_cast<AbstractDataView *>(d->stack->widget(i));
        if (kept && kept->typeId() == type && !kept->testAttribute(Qt::WA_DeleteOnClose))
            view = kept;
    }
    if (!view)
        view = DataViewFactory::create(type);

    d->switching = true;
    if (!view) {
        d->current = -1;
        d->feed->follow(-1);
        d->stack->setCurrentWidget(d->blank);
        refreshTypeCounts(true);
        d->switching = false;
        return;
    }
    if (view->metaObject()->indexOfSignal("exported(QString,QString)") >= 0)
        connect(view, SIGNAL(exported(QString,QString)), this, SLOT(exportSingleFile(QString,QString)),
                Qt::UniqueConnection);

    d->current = type;
    refreshTypeCounts(true);
    // Followed before the store is read: what arrives from now on is kept,
    // and what the list holds already is told by its running count.
    d->feed->follow(type);
    DeviceParser *store = DeviceParser::instance();
    const QList<QVariant> records = store->records(DeviceGroup, type);
    const bool finished = !d->toolBar->isScanning() && store->isScanFinished(DeviceGroup);
    d->loadedCounts[type] = isSessionStore(type) ? storedCount(store, type) : records.size();

    if (d->stack->indexOf(view) < 0) {
        connect(view, &AbstractDataView::checkStateChanged, this, [this, view] {
            if (view != currentView())
                return;
            d->navigation->setCategoryCheckState(d->current, view->checkState(false));
            if (d->toolBar->hasCheckAll())
                d->toolBar->setCheckState(view->checkState(true));
        });
        connect(view, &AbstractDataView::indexCountChanged, this, [this, view](int which, int count) {
            if (view == currentView())
                d->toolBar->setTypeCount(which, count);
        });
        d->stack->addWidget(view);
    }
    d->stack->setCurrentWidget(view);
    view->setDataList(records);
    view->setCheckEnabled(finished);
    d->switching = false;
}

void ViewNativeDataManage::refreshTypeCounts(bool newPage)
{
    if (d->toolBar->isScanning())
        return;
    const int type = d->current;
    const DataViewFactory::Row *row = type >= 0 ? DataViewFactory::find(type) : nullptr;
    if (newPage && row)
        d->toolBar->setBarType(row->barType);
    int existing = 0;
    int deleted = 0;
    DeviceParser *store = DeviceParser::instance();
    if (!row) {
        // An id without a view counts nothing.
    } else if (isSessionStore(type)) {
        const QMap<int, QList<QVariant>> lists = store->sessionMap(type);
        for (const QVariant &record : lists.value(ImageKind)) {
            if (record.value<MediaInfo>().deleted)
                ++deleted;
            else
                ++existing;
        }
    } else if (type == WhatsApp || type == Line) {
        // The chat the chat view shows.
        int selected = -1;
        QMetaObject::invokeMethod(currentView(), "selectedCount", Qt::DirectConnection, Q_RETURN_ARG(int, selected));
        for (const QVariant &record : store->records(DeviceGroup, type)) {
            const int id = type == WhatsApp ? record.value<WaSessionInfo>().id : record.value<LineSessionInfo>().id;
            if (id != selected)
                continue;
            if (isDeleted(record))
                ++deleted;
            else
                ++existing;
        }
    } else {
        for (const QVariant &record : store->records(DeviceGroup, type)) {
            if (isDeleted(record))
                ++deleted;
            else
                ++existing;
        }
    }
    d->toolBar->setTypeCount(0, existing + deleted);
    d->toolBar->setTypeCount(1, existing);
    d->toolBar->setTypeCount(2, deleted);
}

void ViewNativeDataManage::setCategoryChecked(int type, int state)
{
    AbstractDataView *view = currentView();
    if (view && type == d->current) {
        view->setAllChecked(state, false, true);
        if (d->toolBar->hasCheckAll())
            d->toolBar->setCheckState(state);
        return;
    }
    // No view holds the category: the store's lists take the state, each
    // written once.
    DeviceParser *store = DeviceParser::instance();
    if (isSessionStore(type)) {
        const QMap<int, QList<QVariant>> lists = store->sessionMap(type);
        for (auto it = lists.cbegin(); it != lists.cend(); ++it) {
            QList<QVariant> list = it.value();
            if (setCheckStates(list, state) > 0)
                store->setSessionRecords(type, it.key(), list);
        }
        return;
    }
    QList<QVariant> list = store->records(DeviceGroup, type);
    if (setCheckStates(list, state) > 0)
        store->setRecords(DeviceGroup, type, list);
}

void ViewNativeDataManage::removeView(AbstractDataView *view)
{
    disconnect(view, nullptr, this, nullptr);
    d->stack->removeWidget(view);
    view->setParent(nullptr);
    view->deleteLater();
}

void ViewNativeDataManage::clearViews()
{
    QList<AbstractDataView *> views;
    for (int i = 0; i < d->stack->count(); ++i) {
        if (auto *view = qobject_cast<AbstractDataView *>(d->stack->widget(i)))
            views.append(view);
    }
    for (AbstractDataView *view : views) {
        view->stopLoading();
        view->clear();
        if (view->testAttribute(Qt::WA_DeleteOnClose))
            removeView(view);
    }
}

void ViewNativeDataManage::slotScanDbStop()
{
    if (!d->scanRunning)
        return;
    d->workerBusy = false;
    if (!d->heldFolder.isEmpty()) {
        // The phone's part has ended: the backup's part now.
        const QString folder = std::exchange(d->heldFolder, QString());
        if (!d->stopRequested && !d->userReturned) {
            scanBackupPart(folder);
            return;
        }
        d->mediaPending = false;
    }
    finishScan();
}

void ViewNativeDataManage::finishScan()
{
    if (d->mediaPending || d->workerBusy || !d->scanRunning)
        return;
    d->scanRunning = false;
    applyFeed();
    trackFlowEvent("FinishScanData", "FinishDownload", "FinishScanData001");
    DeviceParser::instance()->setScanFinished(DeviceGroup, true);
    if (d->userReturned) {
        d->feedTimer.stop();
        return;
    }
    showScanResult();
}

void ViewNativeDataManage::showScanResult()
{
    if (d->toolBar->isScanning())
        d->toolBar->stopScanning();
    const int run = d->run;
    QTimer::singleShot(ResultDelayMs, this, [this, run] { applyScanResult(run); });
}

void ViewNativeDataManage::applyScanResult(int run)
{
    // A return, a new scan or the program's end since: nothing of this one
    // is left to show.
    if (run != d->run || d->quitting)
        return;
    // A question is open (this page's, or one asking before the program
    // ends): the result waits for its answer instead of opening over it.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(ResultDelayMs, this, [this, run] { applyScanResult(run); });
        return;
    }
    d->feedTimer.stop();
    applyFeed();
    const qint64 total = d->navigation->totalCount();
    if (total == 0) {
        switch (currentFlow()) {
        case Flow::Device:
            trackEvent("RecoverfromiOSDevice", "RecoverDataProcess", "NoDataFoundPage");
            break;
        case Flow::ICloud:
            trackEvent("iCloudDownloadSituation", "NoiCloudData");
            break;
        case Flow::ITunes:
            trackEvent("RecoverfromiTunesBackup", "NoDataFoundPage001");
            break;
        }
        d->toolBar->hideScanWidgets();
        d->recover->setEnabled(false);
        d->toolBar->setEnabled(false);
        d->stack->setCurrentWidget(d->noData);
        vlogInfo(QStringLiteral("All scans completed! count: %1").arg(total));
        trackEvent("ScanRate", "ScanNoData");
        if (currentFlow() == Flow::ICloud && iCloudHelp::instance()->accountInfo() != 0) {
            trackEvent("iCloudDownloadSituation", "FailToDownloadiCloudData");
            XMessageBox::information(this, QString(),
                                     QObject::tr("Failed to download data! Please try again or sign in with another "
                                                 "Apple ID."),
                                     {QObject::tr("OK")});
        }
        return;
    }

    d->switching = true;
    if (AbstractDataView *view = currentView()) {
        // The store has sorted every category by now: the view gets its
        // list again, so that a tick on row r is the store's record r.
        reloadCurrent();
        view->setCheckEnabled(true);
        if (d->current != WhatsApp && d->current != Line) {
            view->resetMessages();
            view->setMessageList(DeviceParser::instance()->records(DeviceGroup, d->current));
        }
    }
    refreshTypeCounts(true);
    d->navigation->enableChecking();
    d->recover->setEnabled(true);
    d->toolBar->setEnabled(true);
    d->switching = false;
    vlogInfo(QStringLiteral("All scans completed! count: %1").arg(total));
    trackEvent("ScanRate", "ScanComplete");
    const int count = static_cast<int>(std::min<qint64>(total, std::numeric_limits<int>::max()));
    const QString text =
        currentFlow() == Flow::ICloud
            ? QObject::tr("<p><font style='color: #333333;'>%n piece(s) data has been downloaded, please recover your "
                          "data as soon as possible.</font></p><br/><font style='color: #D9001B;'>Note: Please go "
                          "back and download again if you can't find the data you need.</font>",
                          nullptr, count)
            : QObject::tr("<p><font style='color: #333333;'>%n data has been scanned completely, please recover your "
                          "data as soon as possible.</font></p><br/><font style='color: #D9001B;'>Note: The deleted "
                          "data will be overwritten easily as you keep using your device, so the program will scan "
                          "for different results each time. If you find the deleted data, it is recommended to "
                          "recover it as soon as possible.</font>",
                          nullptr, count);
    XMessageBox::success(this, QString(), text, {QObject::tr("OK")}, 1, true);
}

// --- Return, stop, quit and the device flow's events ------------------------

bool ViewNativeDataManage::confirmReturn()
{
    const QStringList buttons{QObject::tr("Return"), QObject::tr("Cancel")};
    if (currentFlow() == Flow::ICloud) {
        if (XMessageBox::question(this, QString(),
                                  QObject::tr("Are you sure you want to return? You will need to re-download the "
                                              "data after returning."),
                                  buttons, 1, false)
            != 1)
            return false;
        d->userReturned = true;
        iCloudHelp::instance()->stopPullBackups();
        return true;
    }
    if (d->toolBar->isScanning()) {
        if (XMessageBox::question(this, QString(), QObject::tr("Scanning data, are you sure you want to return?"),
                                  buttons, 1, false)
            != 1)
            return false;
        d->userReturned = true;
        MobileDeviceBackupManager::instance()->stopBackup();
        scanner()->stopScanBackupsDb();
        return true;
    }
    return XMessageBox::question(this, QString(),
                                 QObject::tr("Are you sure you want to return? If you do, you need to scan data "
                                             "again."),
                                 buttons, 1, false)
        == 1;
}

void ViewNativeDataManage::goBack()
{
    if (!confirmReturn())
        return;
    emit sigBackButtonClicked();
    ++d->run;
    d->feedTimer.stop();
    // A stopped scan's end shows nothing, and the page says it no longer scans.
    if (d->toolBar->isScanning())
        d->toolBar->stopScanning();
    clearViews();
    d->loadedCounts.clear();
    d->keyword.clear();
    d->current = -1;
    d->feed->clear();
    d->navigation->reset();

    DeviceParser::instance()->clearAll();
    ThumbnailSessionManager::instance()->clearTasks();
    SettingsEntry *settings = SettingsEntry::instance();
    settings->cleanBackupFolders(false, true);
    runRubbishCleaner(settings->rubbishProgram(), settings->cacheMediaPath());

    d->stack->setCurrentWidget(d->analysing);
    QPixmapCache::clear();
    trimProcessWorkingSet(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    ThumbnailSessionManager::instance();
}

void ViewNativeDataManage::confirmStopScan()
{
    if (currentFlow() == Flow::ICloud) {
        if (XMessageBox::question(this, QString(),
                                  QObject::tr("Downloading data from iCloud backup, are you sure you want to stop "
                                              "now? Data cannot be completely downloaded after stopping."),
                                  {QObject::tr("Stop"), QObject::tr("Cancel")}, 1, false)
            == 1) {
            iCloudHelp::instance()->stopPullBackups();
            trackFlowEvent("Click_Stop", "Click_StopDownload", "Click_Stop");
        }
        return;
    }
    if (XMessageBox::question(this, QString(),
                              QObject::tr("Are you sure you want to stop? If you do, some of the data scanning will "
                                          "fail."),
                              {QObject::tr("OK"), QObject::tr("Cancel")}, 1, false)
        != 1)
        return;
    d->stopRequested = true;
    MobileDeviceBackupManager::instance()->stopBackup();
    scanner()->stopScanBackupsDb();
    trackFlowEvent("Click_Stop", "Click_StopDownload", "Click_Stop");
}

bool ViewNativeDataManage::quit()
{
    const bool scanning = d->toolBar->isScanning();
    const QString text = scanning ? QObject::tr("Scanning data, are you sure you want to exit the program?")
                                  : QObject::tr("The scanning process is complete, are you sure you want to exit? If "
                                                "you exit, the scan results will not be saved.");
    if (XMessageBox::question(this, QString(), text, {QObject::tr("Exit"), QObject::tr("Cancel")}, 1, false) != 1)
        return false;
    d->quitting = true;
    if (scanning) {
        // The worker writes into the store until its category ends: the
        // store must outlive that.
        if (currentFlow() == Flow::ICloud)
            iCloudHelp::instance()->stopPullBackups();
        MobileDeviceBackupManager::instance()->stopBackup();
        scanner()->stopScanBackupsDb();
        QElapsedTimer clock;
        clock.start();
        while (d->feed->workerRunning() && clock.elapsed() < 10000)
            QThread::msleep(10);
    }
    return true;
}

void ViewNativeDataManage::resetUI()
{
    d->analysing->updateSourceText();
    d->noData->updateSourceText();
    d->toolBar->resetUI();
    d->back->setText(QObject::tr("Back"));
    d->recover->setText(QObject::tr("Recover"));
}

void ViewNativeDataManage::setDeviceDisconnected(MobileDeviceObject *device, bool)
{
    QString name;
    if (device) {
        name = device->deviceName().isEmpty() ? device->displayName() : device->deviceName();
        device->deleteLater();
    }
    if (currentFlow() != Flow::Device)
        return;
    if (!name.isEmpty())
        d->deviceName = name;
    const QString shown = d->deviceName.toHtmlEscaped();
    if (d->toolBar->isScanning()) {
        trackEvent("RecoverfromiOSDevice", "RecoverDataProcess", "DeviceDisconnec");
        XMessageBox::warning(this, QString(),
                             QObject::tr("Your device (<font style='color:#558AF8;'>%1</font>) has been disconnected "
                                         "and scanning has been interrupted.The program will parse and display the "
                                         "successfully scanned data.")
                                 .arg(shown),
                             {QObject::tr("OK")});
        return;
    }
    if (holdsPhotosOrVideos(d->navigation->checkedCategories())) {
        RecoverNatManager::instance()->waitCopyProxy();
        XMessageBox::warning(this, QString(),
                             QObject::tr("The device (<font style='color:#558AF8;'>%1</font>) is disconnected, some "
                                         "data type recovery will fail!")
                                 .arg(shown),
                             {QObject::tr("OK")});
    }
}

void ViewNativeDataManage::setTaskRequested(int task, QVariant request, QVariant)
{
    if (currentFlow() != Flow::Device || task != 0 || !request.isValid())
        return;
    XMessageBox::information(this, QString(),
                             QObject::tr("Sorry, an error occurred(%1).<br><br><a style='color:#558AF8;'href "
                                         "=\"%2\">Check solutions</a>")
                                 .arg(request.toInt())
                                 .arg(FlowLinks::errorCodeHelpPage().toHtmlEscaped()),
                             {QObject::tr("OK")}, 1, true);
}

void ViewNativeDataManage::setTaskProgress(int task, QVariant result, QVariant data, QVariant fourth)
{
    if (!isSelectiveDeviceFlow())
        return;
    const int outcome = result.toInt();
    if (task == 0) {
        // Only the end of the backup this page waits for: one that ended
        // before the hand-off was taken with its folder, and a crash may
        // report twice.
        if (!d->awaitingBackup || (outcome != 0 && outcome != -1 && outcome != 3))
            return;
        d->awaitingBackup = false;
        if (outcome != 0) {
            endBackupPart();
            return;
        }
        const QString folder = data.toString();
        takeBackup(folder.isEmpty() ? MobileDeviceBackupManager::instance()->backupDataPath() : folder);
        return;
    }
    if (task != 1 || outcome != 0 || !d->awaitingDecryption)
        return;
    d->awaitingDecryption = false;
    if (d->stopRequested) {
        endBackupPart();
        return;
    }
    // The end tells its result; an end without one counts as done.
    if (fourth.isValid() && !fourth.toBool()) {
        XMessageBox::information(this, QString(),
                                 QObject::tr("An error was encountered and the analysis device failed. Please try "
                                             "again!"),
                                 {QObject::tr("OK")}, 1, true);
        endBackupPart();
        return;
    }
    backupReady(data.toString());
}

void ViewNativeDataManage::takeBackup(const QString &folder)
{
    if (d->stopRequested) {
        endBackupPart();
        return;
    }
    MobileDeviceBackupManager *backups = MobileDeviceBackupManager::instance();
    // The folder says whether it is encrypted: a decrypted copy is not, and
    // the phone's answer may have changed since the backup.
    if (!backups->checkIOSBackupEncrypt(folder)) {
        backupReady(folder);
        return;
    }
    if (freeBytes(folder) < quint64(std::max<qint64>(0, backups->backupSize()))) {
        const int answer = XMessageBox::information(
            this, QString(), QObject::tr("There is not enough disk space to decrypt all backup. Do you want to continue?"),
            {QObject::tr("No"), QObject::tr("Continue")}, 2);
        if (answer != 2 || !d->scanRunning || d->stopRequested) {
            endBackupPart();
            return;
        }
    }
    d->awaitingDecryption = true;
    const QFileInfo info(folder);
    backups->decryptBackupAsync(folder, QStringLiteral("%1/BackupDecrypt_%2").arg(info.path(), info.fileName()),
                                MobileDeviceConnect::instance()->backupPassword());
}

void ViewNativeDataManage::backupReady(const QString &folder)
{
    MobileDeviceBackupManager::instance()->setBackupDataPath(folder);
    if (d->stopRequested) {
        endBackupPart();
        return;
    }
    if (d->workerBusy) {
        // The phone's part still runs; a second request would replace its queue.
        d->heldFolder = folder;
        return;
    }
    scanBackupPart(folder);
}

void ViewNativeDataManage::scanBackupPart(const QString &folder)
{
    QList<int> rest = DeviceParser::instance()->scanCategories(DeviceGroup).toList();
    rest.removeAll(Photos);
    rest.removeAll(AlbumVideos);
    d->mediaPending = false;
    d->workerBusy = true;
    scanner()->scanBackupsDb(rest, folder, QString(), false);
}

void ViewNativeDataManage::endBackupPart()
{
    // What was scanned stays browsable; the phone's part may still end first.
    d->mediaPending = false;
    d->heldFolder.clear();
    finishScan();
}

// --- Recover --------------------------------------------------------------

QString ViewNativeDataManage::recoverFolder() const
{
    SettingsEntry *settings = SettingsEntry::instance();
    return settings->value(SettingsKey::RecoverPath, SettingsEntry::UserScope, settings->desktopPath()).toString();
}

void ViewNativeDataManage::openExportSettings()
{
    postAppEvent(1014);
}

void ViewNativeDataManage::slotRecoverButton()
{
    trackEvent("RecoverRate", "Click_Recover");
    const QList<int> ids = d->navigation->checkedCategories();
    if (ids.isEmpty()) {
        XMessageBox::information(this, QString(), QObject::tr("Please select the data you want to recover."),
                                 {QObject::tr("OK")});
        return;
    }
    if (!checkRecoverPath() || !checkFreeSpace())
        return;
    const QString labels = exportLabels(ids);
    if (currentFlow() == Flow::ICloud)
        trackEvent(QStringLiteral("RecoverfromiCloudBackup"), QStringLiteral("RecoveriCloudData"), labels);
    trackEvent(QStringLiteral("RecoverRate"), QStringLiteral("RecoverType"), labels);
    vlogInfo(QStringLiteral("Start RecoverType: %1").arg(labels));
    d->exportIds = ids;
    prepareExportSource();
    showRecoverProgress();
    RecoverNatManager::instance()->startRecover(ids.toVector());
}

bool ViewNativeDataManage::checkRecoverPath()
{
    const QString folder = recoverFolder();
    if (!QFileInfo(folder).isDir()) {
        PathDoesNotExistDialog dialog(this);
        if (dialog.exec() == PathNoticeDialog::ChangePath)
            openExportSettings();
        return false;
    }
    // A file of our own: one of the user's that bears the probe's name
    // is left as it is.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("TestWriteAble.XXXXXX.txt")));
    if (probe.open())
        return true;
    vlogInfo(QStringLiteral("[RecoverBtn] Recover path don't have W-root"));
    PathInvalidDialog dialog(this);
    if (dialog.exec() == PathNoticeDialog::ChangePath)
        openExportSettings();
    return false;
}

bool ViewNativeDataManage::checkFreeSpace()
{
    if (freeBytes(recoverFolder()) >= FreeSpaceThreshold)
        return true;
    trackEvent("RecoverRate", "PCNotEnoughSpace");
    RecoverPathunreadabilityDialog dialog(this);
    dialog.setMessage(QObject::tr("Insufficient space, export data failed! Please ensure that there is more than "
                                  "100MB in the disk space."));
    if (dialog.exec() == RecoverPathunreadabilityDialog::OpenSettings)
        openExportSettings();
    return false;
}

void ViewNativeDataManage::prepareExportSource()
{
    // The export's root folder is named after the source.
    RecoverNatManager::setICloudFlow(currentFlow() == Flow::ICloud);
    QString model;
    if (currentFlow() == Flow::Device) {
        if (MobileDeviceObject *device = MobileDeviceConnect::instance()->currentDevice())
            model = device->modelName();
    }
    if (model.isEmpty()) {
        ScaniTunesBackupManage *backups = scanner();
        model = backups->readProductTypefunc(backups->currentBackupPath());
    }
    RecoverNatManager::setSourceNameProvider([model] { return model; });
}

void ViewNativeDataManage::showRecoverProgress()
{
    if (!d->progress) {
        d->progress = new RecoverProgressDialog(this);
        d->progress->setModal(true);
        // After the dialog has closed: the result is a modal of its own.
        connect(d->progress, &RecoverProgressDialog::sigDlgClosed, this, &ViewNativeDataManage::showRecoverResult,
                Qt::QueuedConnection);
    }
    d->progress->restart();
    d->progress->show();
}

void ViewNativeDataManage::onRecoverProgress(qulonglong processed, qulonglong total, qulonglong succeeded)
{
    if (d->progress)
        d->progress->setProgress(double(processed), double(total), double(succeeded));
}

void ViewNativeDataManage::onRecoverFileProcess(const QString &item, const QString &tail, const QString &lead)
{
    if (d->progress)
        d->progress->setFileProcess(item, tail, lead);
}

void ViewNativeDataManage::onResetFileProgress(bool leadOnly)
{
    if (d->progress)
        d->progress->clearFileProcess(leadOnly);
}

void ViewNativeDataManage::onRecoverOver()
{
    if (!d->progress || !d->progress->isVisible())
        return;
    d->progress->setFinished(true);
    d->progress->close();
}

void ViewNativeDataManage::showRecoverResult()
{
    RecoverNatManager *manager = RecoverNatManager::instance();
    manager->stop();
    RecoverSuccessDialog dialog(this);
    dialog.setResult(manager->totalCount(), manager->processedCount(), manager->successCount(),
                     isSelectiveDeviceFlow() && holdsPhotosOrVideos(d->exportIds));
    if (dialog.exec() == RecoverPathunreadabilityDialog::OpenSettings) {
        openExportSettings();
    } else {
        const QString root = manager->recoverPath();
        // A run that failed before its folder was made has nothing to show.
        if (QFileInfo(root).isDir())
            openUrl(root, true);
    }
    manager->clearCopyProxy();
}

void ViewNativeDataManage::exportSingleFile(const QString &localPath, const QString &fileName)
{
    if (d->toolBar->isScanning() || !checkRecoverPath())
        return;
    d->exportIds.clear();
    prepareExportSource();
    showRecoverProgress();
    RecoverNatManager::instance()->exportFile(localPath, fileName);
}
