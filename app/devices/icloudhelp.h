#pragma once

#include "icloudpullmanage.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <atomic>

// What the iCloud pages and the result page call: sign-in, two-step codes
// and pulls into the record store, over the one pull worker.
class iCloudHelp : public QObject
{
    Q_OBJECT

public:
    static iCloudHelp *instance();

    int login(const QString &appleId, const QString &password);
    int verifySecurityCode(const QString &code, bool flag);
    bool isVerifying() const { return m_verifying; }
    void requestSecurityCodeAsync(int viaSms);
    int requestSecurityCode();
    int requestSecurityCodeSMS();
    void clearLoginInfo();
    int accountInfo() const;

    // Makes the folder, then pulls the categories into the store.
    void scanBackups(const QVector<int> &categories, const QString &folder);
    void stopPullBackups();
    void quit();

signals:
    void sigPullBackupsStart();
    void sigPullBackupsStop();

private:
    iCloudHelp();

    iCloudPullManage *m_pull; // lives until the process ends
    std::atomic<bool> m_verifying{false};
};

// Pulled records into the record store, group 0.
CloudIntake storeCloudIntake();
