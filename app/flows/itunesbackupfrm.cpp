#include "itunesbackupfrm.h"

#include "acquireitunesbackupfrm.h"
#include "analyticstracker.h"
#include "decodebackupdialog.h"
#include "fileutils.h"
#include "flowlinklabel.h"
#include "formatutils.h"
#include "ftablewidget.h"
#include "itunesbackupnullfrm.h"
#include "mobiledevicebackupmanager.h"
#include "mytablewidgetitem.h"
#include "nameagencyfrm.h"
#include "scanitunesbackupmanage.h"
#include "settingsentry.h"
#include "verifybackuppassword.h"
#include "xmessagebox.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
    const char *const kCategory = "RecoverfromiTunesBackup";

    const char *const kHeaders[] = {"", QT_TRANSLATE_NOOP("QObject", "Device Name"),
                                    QT_TRANSLATE_NOOP("QObject", "Backup Time"),
                                    QT_TRANSLATE_NOOP("QObject", "Device Model"), QT_TRANSLATE_NOOP("QObject", "Size")};

    QTableWidgetItem *centred(QTableWidgetItem *item)
    {
        item->setTextAlignment(Qt::AlignCenter);
        return item;
    }

    // A folder from elsewhere is a backup when its Manifest.plist is a
    // binary property list; a regular file only, since a pipe or a device
    // under that name would block the read.
    bool holdsBinaryManifest(const QString &folder)
    {
        const QString manifest = folder + QStringLiteral("/Manifest.plist");
        if (!QFileInfo(manifest).isFile())
            return false;
        QFile file(manifest);
        return file.open(QIODevice::ReadOnly) && file.read(64).startsWith("bplist");
    }
}

class iTunesBackupFrmPrivate
{
public:
    FTableWidget *table = nullptr;
    FlowLinkLabel *note = nullptr;
    AcquireiTunesBackupFrm *acquire = nullptr;
    iTunesBackupNullFrm *null = nullptr;
    DecodeBackupDialog *decode = nullptr;
    QPointer<ScaniTunesBackupManage> service;
    // The library reports often: the bar takes the latest step at most
    // every 50 ms.
    QTimer progressTimer;
    int progressValue = 0;
    std::function<quint64()> freeSpace;
    bool listed = false;
    int listings = 0; // listings under way
    QString backupPath;

    // One decryption attempt, from the password dialog to its end. Its
    // end and the dialog's return come in either order; the outcome is
    // acted on once both are there.
    struct Decryption
    {
        bool active = false;
        QString source;
        QPointer<verifyBackupPassword> passwordDialog;
        bool progressShown = false;
        bool closed = false;    // the user closed the password dialog
        bool cancelled = false; // the user cancelled in the progress dialog
        bool returned = false; // the password dialog returned with the work under way
        bool ended = false;
        bool ok = false;
    } decryption;
};

iTunesBackupFrm::iTunesBackupFrm(QWidget *parent)
    : QWidget(parent)
    , d(new iTunesBackupFrmPrivate)
{
    setObjectName(QStringLiteral("iTunesBackupFrm"));
    d->freeSpace = [] { return diskFreeBytes(SettingsEntry::instance()->backupRootPath()); };

    d->table = new FTableWidget(this);
    d->table->setAccessibleName(QObject::tr("iTunes backups"));
    // Rows are chosen with the arrow keys too.
    d->table->setFocusPolicy(Qt::StrongFocus);
    d->table->setColumnCount(7);
    QStringList headers;
    for (const char *header : kHeaders)
        headers << (*header ? QObject::tr(header) : QString());
    // The hidden columns' headers are names, not texts.
    headers << QStringLiteral("Size") << QStringLiteral("LocalPath");
    d->table->setHorizontalHeaderLabels(headers);
    d->table->verticalHeader()->hide();
    d->table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    d->table->setSelectionBehavior(QAbstractItemView::SelectRows);
    d->table->horizontalHeader()->setSectionResizeMode(LockColumn, QHeaderView::Fixed);
    d->table->setColumnWidth(LockColumn, 60);
    d->table->horizontalHeader()->setFixedHeight(48);
    d->table->setColumnHidden(RawSizeColumn, true);
    d->table->setColumnHidden(PathColumn, true);
    d->table->setShowGrid(false);
    d->table->verticalHeader()->setDefaultSectionSize(42);
    d->table->horizontalHeader()->viewport()->setStyleSheet(
        QStringLiteral("border-radius:10px;background:transparent;"));
    d->table->verticalHeader()->viewport()->setStyleSheet(
        QStringLiteral("border-radius:10px;background:transparent;"));
    d->table->setStyleSheet(QStringLiteral(
        "QTableWidget{font-size: 16px;color: #333333;background-color:white;border: 1px solid #F0F0F0;"
        "border-radius: 10px;border-top-left-radius:0px;border-top-right-radius:0px;}"
        "QTableWidget::item{border-bottom:1px solid #F0F0F0;}"
        "QTableWidget::item::selected{background-color:#DFE9FD;}"));

    d->note = new FlowLinkLabel(this);
    d->note->setObjectName(QStringLiteral("iTunesBackupNote"));
    d->note->setAlignment(Qt::AlignCenter);
    d->note->setWordWrap(true);
    d->note->setLinkText(QObject::tr("Note: If your backup is not shown in the list, you can <a style='color: "
                                     "#558AF8;'href = \"#\">choose</a> a backup file from another folder to "
                                     "recover."));
    connect(d->note, &QLabel::linkActivated, this, &iTunesBackupFrm::importBackup);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(75, 50, 75, 30);
    layout->setSpacing(0);
    layout->addWidget(d->table);
    layout->addSpacing(52);
    layout->addWidget(d->note);

    d->acquire = new AcquireiTunesBackupFrm(this);
    d->null = new iTunesBackupNullFrm(this);
    d->decode = new DecodeBackupDialog(this);
    connect(d->decode, &QDialog::finished, this, &iTunesBackupFrm::onDecodeDialogFinished);
    d->progressTimer.setSingleShot(true);
    d->progressTimer.setInterval(50);
    connect(&d->progressTimer, &QTimer::timeout, this, [this] { d->decode->setValue(d->progressValue); });
}

iTunesBackupFrm::~iTunesBackupFrm() = default;

void iTunesBackupFrm::setBackupService(ScaniTunesBackupManage *service)
{
    if (d->service)
        d->service->disconnect(this);
    d->service = service;
    if (!service)
        return;
    // The listing runs on a worker: its signals come queued.
    connect(service, &ScaniTunesBackupManage::sigBackupsListInfo, this, &iTunesBackupFrm::slotBackupInfo,
            Qt::QueuedConnection);
    connect(service, &ScaniTunesBackupManage::sigScanBackupsListStop, this, &iTunesBackupFrm::slotScannerStop,
            Qt::QueuedConnection);
}

void iTunesBackupFrm::setFreeSpaceProvider(std::function<quint64()> provider)
{
    d->freeSpace = std::move(provider);
}

void iTunesBackupFrm::refreshList()
{
    if (d->listed)
        return;
    emit sigViewButtonState(false);
    d->null->hide();
    d->table->setRowCount(0);
    d->listed = true;
    startListing(QString());
}

void iTunesBackupFrm::startListing(const QString &folder)
{
    placeOverlays();
    d->acquire->show();
    d->acquire->raise();
    if (!d->service) {
        QMetaObject::invokeMethod(this, &iTunesBackupFrm::slotScannerStop, Qt::QueuedConnection);
        ++d->listings;
        return;
    }
    ++d->listings;
    d->service->scanBackupsList(folder);
}

void iTunesBackupFrm::slotBackupInfo(QMap<QString, QString> info)
{
    const int row = d->table->rowCount();
    d->table->insertRow(row);
    const bool locked = info.value(QStringLiteral("IsEncrypted")).toInt() != 0;
    // The lock is a picture over an empty cell; the cell says it to
    // assistive tools.
    auto *lockItem = new QTableWidgetItem;
    //: Spoken for the lock of a password-protected backup in the list of backups.
    lockItem->setData(Qt::AccessibleTextRole, locked ? QObject::tr("Encrypted") : QString());
    d->table->setItem(row, LockColumn, lockItem);
    auto *lock = new NameAgencyFrm;
    lock->setLocked(locked);
    d->table->setCellWidget(row, LockColumn, lock);
    d->table->setItem(row, NameColumn, centred(new QTableWidgetItem(info.value(QStringLiteral("DeviceName")))));
    d->table->setItem(row, TimeColumn, centred(new MyTableWidgetItem(info.value(QStringLiteral("Date")))));
    d->table->setItem(row, ModelColumn,
                      centred(new QTableWidgetItem(QStringLiteral("%1(%2)").arg(
                          info.value(QStringLiteral("ProductType")), info.value(QStringLiteral("ProductVersion"))))));
    const QString size = info.value(QStringLiteral("Size"));
    d->table->setItem(row, SizeColumn,
                      centred(new QTableWidgetItem(formatFileSize(quint64(qMax<qint64>(0, size.toLongLong())), 1))));
    d->table->setItem(row, RawSizeColumn, centred(new QTableWidgetItem(size)));
    d->table->setItem(row, PathColumn, centred(new QTableWidgetItem(info.value(QStringLiteral("LocalPath")))));
}

void iTunesBackupFrm::slotScannerStop()
{
    if (d->listings > 0)
        --d->listings;
    // An import may still be listing: the overlay stays until the last ends.
    if (d->listings > 0)
        return;
    d->acquire->hide();
    const int rows = d->table->rowCount();
    if (rows == 0) {
        trackEvent(kCategory, "iTunesBackupList", "");
        placeOverlays();
        d->null->show();
        d->null->raise();
        emit sigViewButtonState(false);
        return;
    }
    trackEvent(kCategory, "iTunesBackupList", QString::number(rows));
    d->null->hide();
    d->table->sortItems(TimeColumn, Qt::AscendingOrder);
    d->table->setCurrentCell(0, 0);
    emit sigViewButtonState(true);
}

void iTunesBackupFrm::importBackup()
{
    // The overlay covers the link while a listing runs; the keyboard does not.
    if (d->listings > 0)
        return;
    trackEvent(kCategory, "Click_Select");
    SettingsEntry *settings = SettingsEntry::instance();
    const QString start = settings->value(SettingsKey::ImportBackupPath, SettingsEntry::UserScope).toString();
    // Qt's own dialog: the same on every desktop, and usable from the keyboard.
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), start,
                                                             QFileDialog::ShowDirsOnly
                                                                 | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return;
    settings->setValue(SettingsKey::ImportBackupPath, folder.left(folder.lastIndexOf(QLatin1Char('/'))),
                       SettingsEntry::UserScope);
    if (!holdsBinaryManifest(folder)) {
        XMessageBox::information(this, QString(),
                                 QObject::tr("There is no iTunes backup file in this folder, please select another "
                                             "backup."),
                                 {QObject::tr("OK")}, 1);
        return;
    }
    d->null->hide();
    trackEvent(kCategory, "ImportBackupSuccess");
    emit sigViewButtonState(false);
    startListing(folder);
}

void iTunesBackupFrm::next()
{
    trackEvent(kCategory, "Click_StartScan001");
    const int row = chosenRow();
    if (row < 0 || d->listings > 0) {
        XMessageBox::warning(this, QString(), QObject::tr("Please select the data type you need to recover."),
                             {QObject::tr("OK")}, 1);
        return;
    }
    const QString localPath = d->table->item(row, PathColumn) ? d->table->item(row, PathColumn)->text() : QString();
    if (!isRowLocked(row)) {
        d->backupPath = localPath;
        emit sigNextButtonClicked();
        return;
    }
    trackEvent(kCategory, "Popup_DeviceEncrypted");
    const qint64 size = qMax<qint64>(0, d->table->item(row, RawSizeColumn)->text().toLongLong());
    // size × 1.2, truncated, in integers.
    const quint64 required = quint64(size) + quint64(size) / 5;
    const quint64 free = d->freeSpace ? d->freeSpace() : 0;
    if (free >= required) {
        decryptBackup(localPath);
        return;
    }
    trackEvent(kCategory, "PCNotEnoughtoDecrypt");
    XMessageBox::warning(this, QString(),
                         QObject::tr("Sorry, decrypting this backup will take approximately %1 of space. Please "
                                     "clean up your disk and try again.")
                             .arg(formatFileSize(required, 1).toHtmlEscaped()),
                         {QObject::tr("OK")}, 1);
}

QString iTunesBackupFrm::selectedBackupPath() const
{
    return d->backupPath;
}

bool iTunesBackupFrm::hasCurrentRow() const
{
    return chosenRow() >= 0 && d->listings == 0;
}

int iTunesBackupFrm::chosenRow() const
{
    // An assistive tool selects a row without making it current.
    const QModelIndexList selected = d->table->selectionModel()->selectedRows();
    return selected.isEmpty() ? d->table->currentRow() : selected.first().row();
}

void iTunesBackupFrm::decryptBackup(const QString &folder)
{
    iTunesBackupFrmPrivate::Decryption &attempt = d->decryption;
    attempt = iTunesBackupFrmPrivate::Decryption();
    attempt.active = true;
    attempt.source = folder;
    d->backupPath = QStringLiteral("%1/BackupDecrypt_%2_%3")
                        .arg(SettingsEntry::instance()->backupRootPath(), QFileInfo(QDir::cleanPath(folder)).fileName())
                        .arg(QDateTime::currentSecsSinceEpoch());

    QPointer<iTunesBackupFrm> self(this);
    verifyBackupPassword dialog(true, false, this);
    dialog.setBackupPaths(folder, d->backupPath);
    attempt.passwordDialog = &dialog;
    // Closed while it decrypts: the decryption stops, so that the dialog's
    // loop can return.
    connect(&dialog, &QDialog::finished, this, [this, &dialog](int result) {
        if (result != verifyBackupPassword::Closed)
            return;
        d->decryption.closed = true;
        if (dialog.isChecking())
            MobileDeviceBackupManager::instance()->stopBackup();
    });
    dialog.exec();
    if (!self)
        return;
    if (attempt.closed || attempt.cancelled) {
        // Closed, or cancelled in the progress dialog: nothing of this try
        // is kept.
        attempt.active = false;
        removeDecryptedCopy();
        d->backupPath.clear();
        return;
    }
    attempt.returned = true;
    if (attempt.ended)
        finishDecryption();
}

void iTunesBackupFrm::onTaskProgress(int task, QVariant state, QVariant current, QVariant total)
{
    // Only the decryption's (task 1): its steps (2) and its end (0).
    if (task != 1 || !d->decryption.active)
        return;
    if (state.toInt() == 2)
        onDecryptionProgress(current.toInt(), total.toInt());
    else if (state.toInt() == 0)
        onDecryptionEnd(current.toString(), total.toBool());
}

void iTunesBackupFrm::onDecryptionProgress(int current, int total)
{
    iTunesBackupFrmPrivate::Decryption &attempt = d->decryption;
    if (attempt.ended || attempt.cancelled || attempt.closed)
        return;
    if (!attempt.progressShown) {
        // The password was right: its dialog gives way to the progress.
        attempt.progressShown = true;
        for (verifyBackupPassword *dialog : findChildren<verifyBackupPassword *>()) {
            if (dialog->isVisible())
                dialog->done(verifyBackupPassword::Accepted);
        }
        d->decode->setRange(0, total);
        d->decode->setValue(current);
        // Modal, without a nested loop: the end must be able to close it.
        d->decode->setWindowModality(Qt::ApplicationModal);
        d->decode->show();
    }
    d->progressValue = current;
    if (!d->progressTimer.isActive())
        d->progressTimer.start();
}

void iTunesBackupFrm::onDecryptionEnd(const QString &cryptPath, bool ok)
{
    iTunesBackupFrmPrivate::Decryption &attempt = d->decryption;
    if (cryptPath != d->backupPath || attempt.ended)
        return;
    // A try that failed before any progress (a wrong password): the
    // password dialog says so and stays for the next one.
    if (!attempt.progressShown && attempt.passwordDialog && attempt.passwordDialog->isVisible())
        return;
    attempt.ended = true;
    attempt.ok = ok;
    if (attempt.returned)
        finishDecryption();
}

void iTunesBackupFrm::onDecodeDialogFinished(int result)
{
    iTunesBackupFrmPrivate::Decryption &attempt = d->decryption;
    if (result == DecodeBackupDialog::Done || !attempt.active || attempt.ended)
        return;
    // Only the user's cancel stops it: after a success the stop flag
    // would be raised for nothing.
    attempt.cancelled = true;
    MobileDeviceBackupManager::instance()->stopBackup();
}

void iTunesBackupFrm::finishDecryption()
{
    iTunesBackupFrmPrivate::Decryption &attempt = d->decryption;
    attempt.active = false;
    d->progressTimer.stop();
    // A question still open in the progress dialog has nothing left to ask.
    for (XMessageBox *box : d->decode->findChildren<XMessageBox *>())
        box->done(0);
    if (d->decode->isVisible())
        d->decode->done(DecodeBackupDialog::Done);
    if (!attempt.ok) {
        removeDecryptedCopy();
        d->backupPath.clear();
        XMessageBox::warning(this, QString(), QObject::tr("Sorry, the backup could not be decrypted. Please try again."),
                             {QObject::tr("OK")}, 1);
        return;
    }
    trackEvent(kCategory, "DecryptionSuccess");
    const QString manifest = d->backupPath + QStringLiteral("/Manifest.plist");
    if (!QFile::exists(manifest))
        QFile::copy(attempt.source + QStringLiteral("/Manifest.plist"), manifest);
    SettingsEntry::instance()->addCleanupPath(d->backupPath);
    emit sigNextButtonClicked();
}

void iTunesBackupFrm::removeDecryptedCopy()
{
    if (!d->backupPath.isEmpty() && QFileInfo::exists(d->backupPath))
        runRubbishCleaner(SettingsEntry::instance()->rubbishProgram(), d->backupPath);
}

FTableWidget *iTunesBackupFrm::table() const
{
    return d->table;
}

FlowLinkLabel *iTunesBackupFrm::importLink() const
{
    return d->note;
}

AcquireiTunesBackupFrm *iTunesBackupFrm::acquireFrm() const
{
    return d->acquire;
}

iTunesBackupNullFrm *iTunesBackupFrm::nullFrm() const
{
    return d->null;
}

DecodeBackupDialog *iTunesBackupFrm::decodeDialog() const
{
    return d->decode;
}

void iTunesBackupFrm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeOverlays();
}

void iTunesBackupFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        d->table->setAccessibleName(QObject::tr("iTunes backups"));
        describeLocks();
    }
    QWidget::changeEvent(event);
}

void iTunesBackupFrm::placeOverlays()
{
    d->acquire->setGeometry(rect());
    d->null->setGeometry(QRect(0, 0, width(), qMax(0, height() - 60)));
}

void iTunesBackupFrm::describeLocks()
{
    for (int row = 0; row < d->table->rowCount(); ++row) {
        if (QTableWidgetItem *item = d->table->item(row, LockColumn))
            item->setData(Qt::AccessibleTextRole, isRowLocked(row) ? QObject::tr("Encrypted") : QString());
    }
}

bool iTunesBackupFrm::isRowLocked(int row) const
{
    const auto *lock = qobject_cast<const NameAgencyFrm *>(d->table->cellWidget(row, LockColumn));
    return lock && lock->isLocked();
}
