#pragma once

#include <QFutureSynchronizer>
#include <QObject>
#include <QString>
#include <QVariant>

#include <atomic>

class IVolsarkMgr;

// The one object through which the program decrypts an encrypted backup
// into another folder, over the decryption library "Volsark" beside the
// program. Its signals may come from any thread; receivers connect queued.
//
// task 1 is the decryption: taskProgress(1, 1) when it starts,
// taskProgress(1, 2, done, total) as the library reports, and
// taskProgress(1, 0, cryptPath, ok) when it ends, ok telling success.
class MobileDeviceBackupManager : public QObject
{
    Q_OBJECT

public:
    static MobileDeviceBackupManager *instance();

    // Binds the library found in libraryFolder.
    explicit MobileDeviceBackupManager(const QString &libraryFolder);
    // Works over the given library; null stands for a library that did not bind.
    explicit MobileDeviceBackupManager(IVolsarkMgr *library);
    // Asks a running decryption to stop and waits for it.
    ~MobileDeviceBackupManager() override;

    // Asks a running decryption to stop.
    void stopBackup();
    bool isRunning() const;

    // Decrypts and waits, serving the caller's events meanwhile; true when
    // the library reported success.
    bool decryptBackup(const QString &backupPath, const QString &cryptPath, const QString &password);
    // Starts the same decryption and returns at once; the end signal tells the result.
    void decryptBackupAsync(const QString &backupPath, const QString &cryptPath, const QString &password);
    // False when the library is not bound.
    bool checkIOSBackupEncrypt(const QString &backupPath);

signals:
    void taskProgress(int task, QVariant pram1, QVariant pram2 = QVariant(), QVariant pram3 = QVariant());
    void taskRequested(int task, QVariant pram1, QVariant pram2 = QVariant());

private:
    // The library's progress callback has no context: it reports to the
    // manager whose decryption runs.
    static void volsarkProgress(int done, int total);
    bool runDecryption(const QString &backupPath, const QString &cryptPath, const QString &password);

    std::atomic<bool> m_backupRunning{false};
    std::atomic<bool> m_decryptRunning{false};
    // Its address is handed to the library, which reads it on its own thread.
    std::atomic<bool> m_stopRequested{false};
    IVolsarkMgr *m_volsark = nullptr;
    QFutureSynchronizer<void> m_asyncJobs;
};
