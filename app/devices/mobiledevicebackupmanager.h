#pragma once

#include <QFutureSynchronizer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QVariant>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>

class IVolsarkMgr;

// The one object through which the program backs a connected device up
// into a folder, over the backup program "Harrowmoss" (QUENROW_BACKUP_HELPER,
// else beside the program), and decrypts an encrypted backup into another
// folder, over the decryption library "Volsark" beside the program. Its
// signals may come from any thread; receivers connect queued.
//
// task 0 is the backup: taskProgress(0, 1) before the program starts,
// taskProgress(0, 2, percent) as it reports, taskProgress(0, 0 or -1,
// backupDataPath) at its end, taskProgress(0, 3) 500 ms after it failed to
// start or crashed; taskRequested(0, code, line) for its error line and
// taskRequested(2, text) for its "2|" lines.
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

    // Starts a backup of the current device into targetFolder/deviceId and
    // returns at once. Refused (false, nothing emitted) while one runs; a
    // target holding "|" or an unusable device identifier ends at once with -1.
    bool startBackup(const QString &targetFolder, const QString &deviceId, const QVector<int> &categories);
    // Asks a running backup (our child only: SIGTERM, SIGKILL after 10 s)
    // and a running decryption to stop.
    void stopBackup();
    bool isRunning() const;
    bool usesNewHelper() const;

    // The current device's product version; by default the device
    // connection service's current device, "13.0" without one.
    void setVersionProvider(std::function<QString()> provider);

    qint64 backupSize() const;
    QString backupDataPath() const;
    void setBackupDataPath(const QString &path);
    QString backupPath() const;
    void setBackupPath(const QString &path);

    // The OR of the engine's category codes for the user's categories; a
    // value not in the table adds nothing.
    static quint32 categoriesToBackupMask(const QVector<int> &categories);

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
    friend class MobileDeviceBackupTest;

    void createProcess();
    void onBackupOutput();
    void onBackupFinished(int exitCode, QProcess::ExitStatus exitStatus);
    // The backup's end: it counts as running until this tells it.
    void endBackup(int status);
    void onBackupError(QProcess::ProcessError error);
    void handleBackupLine(const QString &line);
    // The other backup program's output: XML property lists, one after another.
    void handlePlistOutput();
    // Deletes what this backup made: the target when it created it, else the
    // device's folder when it was not there before, and the partial folder.
    void removeFailedBackup();
    QString helperImageName() const;

    // The library's progress callback has no context: it reports to the
    // manager whose decryption runs.
    static void volsarkProgress(int done, int total);
    bool runDecryption(const QString &backupPath, const QString &cryptPath, const QString &password);

    std::atomic<bool> m_backupRunning{false};
    std::atomic<bool> m_decryptRunning{false};
    // Its address is handed to the library, which reads it on its own thread.
    std::atomic<bool> m_stopRequested{false};
    IVolsarkMgr *m_volsark = nullptr;

    // 1 selects Harrowmoss, 0 the other backup program; nothing changes it.
    int m_backupProgramMode = 1;
    QString m_backupDataPath;
    QString m_backupPath;
    QString m_lastError;
    qint64 m_backupSize = 0;
    QByteArray m_outputBuffer;
    std::unique_ptr<QProcess> m_process;
    std::function<QString()> m_versionProvider;
    // What the running backup may delete when it fails.
    QString m_target;
    QString m_deviceId;
    bool m_createdTarget = false;
    bool m_dataPathExisted = false;
    // Tells a late SIGKILL timer which backup it belongs to.
    int m_backupGeneration = 0;
    // Measures a finished backup, on a pool thread: a large one would hold
    // the window.
    std::function<qint64(const QString &)> m_sizeMeasure;
    QFutureSynchronizer<void> m_asyncJobs;
};
