#include "mobiledevicebackupmanager.h"

#include "fileutils.h"
#include "vlog.h"
#include "volsark.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QLibrary>
#include <QtConcurrent>

namespace
{
    std::atomic<MobileDeviceBackupManager *> g_decrypting{nullptr};
}

MobileDeviceBackupManager *MobileDeviceBackupManager::instance()
{
    static MobileDeviceBackupManager manager(QCoreApplication::applicationDirPath());
    return &manager;
}

MobileDeviceBackupManager::MobileDeviceBackupManager(const QString &libraryFolder)
{
    // The library stays loaded for the life of the process: QLibrary does
    // not unload on destruction.
    QLibrary library(libraryFolder + "/" + linuxModuleName("Volsark.dll"));
    auto init = reinterpret_cast<bool (*)(IVolsarkMgr **)>(library.resolve("InitVolsarkMgr"));
    if (!init || !init(&m_volsark)) {
        m_volsark = nullptr;
        vlogInfo("InitVolsarkMgr error.");
    }
}

MobileDeviceBackupManager::MobileDeviceBackupManager(IVolsarkMgr *library) : m_volsark(library)
{
}

MobileDeviceBackupManager::~MobileDeviceBackupManager()
{
    m_stopRequested = true;
    m_asyncJobs.waitForFinished();
    MobileDeviceBackupManager *self = this;
    g_decrypting.compare_exchange_strong(self, nullptr);
}

void MobileDeviceBackupManager::stopBackup()
{
    m_stopRequested = true;
}

bool MobileDeviceBackupManager::isRunning() const
{
    return m_backupRunning || m_decryptRunning;
}

void MobileDeviceBackupManager::volsarkProgress(int done, int total)
{
    if (MobileDeviceBackupManager *manager = g_decrypting.load())
        emit manager->taskProgress(1, 2, done, total);
}

bool MobileDeviceBackupManager::runDecryption(const QString &backupPath, const QString &cryptPath,
                                              const QString &password)
{
    if (!m_volsark)
        return false;
    g_decrypting = this;
    return m_volsark->DecryptBackup(backupPath.toStdWString(), cryptPath.toStdWString(), password.toStdWString(),
                                    &MobileDeviceBackupManager::volsarkProgress, &m_stopRequested);
}

bool MobileDeviceBackupManager::decryptBackup(const QString &backupPath, const QString &cryptPath,
                                              const QString &password)
{
    vlogInfo(QString("Execute the decryption backup function [backupPath:%1 cryptPath:%2]").arg(backupPath, cryptPath));
    if (!m_volsark)
        return false;
    emit taskProgress(1, 1);
    m_stopRequested = false;
    m_decryptRunning = true;

    QEventLoop loop;
    QFutureWatcher<bool> watcher;
    bool ok = false;
    connect(&watcher, &QFutureWatcher<bool>::finished, &loop, [&] {
        ok = watcher.result();
        loop.quit();
    });
    watcher.setFuture(QtConcurrent::run([=] { return runDecryption(backupPath, cryptPath, password); }));
    loop.exec();

    m_decryptRunning = false;
    emit taskProgress(1, 0, cryptPath, ok);
    return ok;
}

void MobileDeviceBackupManager::decryptBackupAsync(const QString &backupPath, const QString &cryptPath,
                                                   const QString &password)
{
    vlogInfo(QString("Execute the aync decryption backup function [backupPath:%1 cryptPath:%2]")
                 .arg(backupPath, cryptPath));
    m_stopRequested = false;
    m_decryptRunning = true;
    m_asyncJobs.addFuture(QtConcurrent::run([=] {
        emit taskProgress(1, 1);
        const bool ok = runDecryption(backupPath, cryptPath, password);
        m_decryptRunning = false;
        emit taskProgress(1, 0, cryptPath, ok);
    }));
}

bool MobileDeviceBackupManager::checkIOSBackupEncrypt(const QString &backupPath)
{
    vlogInfo("Execute the CheckIOSBackupEncrypt function");
    if (!m_volsark)
        return false;
    return m_volsark->CheckIOSBackupEncrypt(backupPath.toStdWString());
}
