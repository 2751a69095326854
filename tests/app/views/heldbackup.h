#pragma once

#include "../devices/fakebackuphelper.h"
#include "mobiledevicebackupmanager.h"
#include "viewnativedatamanage.h"

#include <QObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A device backup of the program's backup manager that runs until the test
// lets it end: the stand-in backup program waits for a file of the test's,
// then runs body with $target and $udid. Its signals reach a page queued,
// as the main window forwards them to the current page.
class HeldBackup
{
public:
    explicit HeldBackup(const QString &body = QStringLiteral("mkdir -p \"$target/$udid\""))
    {
        const QString release = m_dir.filePath(QStringLiteral("release"));
        const QString helper = writeFakeBackupHelper(
            m_dir.filePath(QStringLiteral("helper.sh")),
            QStringLiteral("while [ ! -e '%1' ]; do sleep 0.02; done\n%2\n").arg(release, body));
        qputenv("QUENROW_BACKUP_HELPER", helper.toUtf8());
        QObject::connect(MobileDeviceBackupManager::instance(), &MobileDeviceBackupManager::taskProgress,
                         &m_context, [this](int task, QVariant result) {
                             if (task == 0 && (result.toInt() == -1 || result.toInt() == 3))
                                 m_failed = true;
                         });
    }

    // Lets the backup end; a stopped one reports its crash once more, 500 ms
    // later: not into the next test.
    ~HeldBackup()
    {
        finish();
        QTRY_VERIFY_WITH_TIMEOUT(!MobileDeviceBackupManager::instance()->isRunning(), 20000);
        if (m_failed)
            QTest::qWait(700);
    }

    bool start(const QString &udid = QStringLiteral("UDID-1"))
    {
        MobileDeviceBackupManager *backups = MobileDeviceBackupManager::instance();
        if (!backups->startBackup(m_dir.filePath(QStringLiteral("target")), udid, {1024}))
            return false;
        m_dataPath = backups->backupDataPath();
        return backups->isRunning();
    }

    void forwardTo(ViewNativeDataManage *page)
    {
        QObject::connect(MobileDeviceBackupManager::instance(), &MobileDeviceBackupManager::taskProgress, page,
                         [page](int task, QVariant a, QVariant b, QVariant c) { page->setTaskProgress(task, a, b, c); },
                         Qt::QueuedConnection);
    }

    void finish()
    {
        QFile release(m_dir.filePath(QStringLiteral("release")));
        release.open(QIODevice::WriteOnly);
    }

    // The folder the backup is made in.
    QString dataPath() const { return m_dataPath; }

private:
    QTemporaryDir m_dir;
    QObject m_context;
    QString m_dataPath;
    bool m_failed = false;
};
