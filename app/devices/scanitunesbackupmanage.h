#pragma once

#include "scanvardex.h"

#include <QFuture>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

// Finds the iTunes backups on this computer, describes each from its
// Manifest.plist and starts scans of a backup or device through the scan
// worker, whose start and stop it relays.
//
// A backup's record: "DeviceName", "Date", "ProductType", "ProductVersion",
// "IsEncrypted", "Size" and "LocalPath".
class ScaniTunesBackupManage : public QObject
{
    Q_OBJECT

public:
    static ScaniTunesBackupManage *instance();
    explicit ScaniTunesBackupManage(ScanVardex::Sink sink = ScanVardex::Sink(),
                                    ScanVardex::ExecutorFactory factory = ScanVardex::ExecutorFactory());
    ~ScaniTunesBackupManage() override;

    // The roots searched for backups, in order: QUENROW_ITUNES_BACKUP_ROOT
    // (else the user's data folder's MobileSync/Backup), then each Wine user's two roots.
    static QStringList backupRoots();

    void appendBackupPath(const QString &folder);
    QStringList backupFolders() const;

    // Lists on the global pool and returns at once: one sigBackupsListInfo
    // per backup read, then sigScanBackupsListStop. An empty folder lists
    // every known folder; another one is added to them and read alone.
    void scanBackupsList(const QString &folder);

    QMap<QString, QString> readBackupInfo(const QString &folder);
    QString readProductTypefunc(const QString &folder);
    static QString productTypeToModelName(const QString &productType);

    // The engine's copies go to outputDir, by default the media cache.
    void scanBackupsDb(const QList<int> &categories, const QString &backupPath, const QString &deviceUdid,
                       bool fromDevice, const QString &outputDir = QString());
    void stopScanBackupsDb();
    void quitScan();
    QString getRegisterPhoneNum(const QString &backupPath);
    QString currentBackupPath() const;

signals:
    void sigScanBackupsListStart();
    void sigScanBackupsListStop();
    void sigScanBackupsDbStart();
    void sigScanBackupsDbStop();
    void sigBackupsListInfo(QMap<QString, QString> info);

private:
    void listBackups(const QString &folder);

    mutable QMutex m_foldersMutex; // the window and listing workers both add
    QStringList m_backupFolders;
    QList<QFuture<void>> m_listings;
    QString m_currentBackupPath;
    QMutex m_readMutex; // one property-list reader at a time
    ScanVardex *m_scanner = nullptr;
};
