#pragma once

#include <QMutex>
#include <QString>
#include <QThread>
#include <QVector>
#include <QWaitCondition>

#include <atomic>
#include <functional>

class ICirrane;

// Where pulled records go: the record store's iCloud intake in the program,
// a recorder in tests.
struct CloudIntake
{
    std::function<void(int kind, const void *record, int subKind, int extra)> record;
    std::function<void(int kind)> finish;
};

// Owns the iCloud library's object: sign-in calls run as short jobs while
// the caller waits in a local event loop; on its own thread it pulls the
// requested categories one after another into the intake.
class iCloudPullManage : public QThread
{
    Q_OBJECT

public:
    // Binds QUENROW_CIRRANE when set, else the library the program links.
    explicit iCloudPullManage(CloudIntake intake);
    ~iCloudPullManage() override;

    bool isBound() const { return m_bound; }

    int login(const QString &appleId, const QString &password);
    int verifySecurityCode(const QString &code, bool flag);
    void anycRequestSecurityCode(int viaSms);
    int requestSecurityCode();
    int requestSecurityCodeSMS();
    void clearLoginInfo();
    int getAccountInfo();
    int accountInfo() const { return m_accountInfo; }

    // Replaces what is still queued; a pull running now finishes its category first.
    void pullBackups(const QVector<int> &categories, const QString &folder);
    void stopPull();
    void quit();

    // The library's kind for a category flag; 0 for flags it cannot pull.
    static int cloudKindOf(int category);

signals:
    void sigPullBackupsStart();
    void sigPullBackupsStop();

protected:
    void run() override;

private:
    int blockingCall(const std::function<int()> &job);
    static void recordCallback(const void *kindAndMore, const void *record, int subKind, int extra);

    CloudIntake m_intake;
    QVector<int> m_pending;
    QString m_folder;
    ICirrane *m_cirrane = nullptr;
    bool m_bound = false;
    std::atomic<int> m_accountInfo{-1};
    std::atomic<bool> m_stopRequested{false};
    QMutex m_mutex;
    QWaitCondition m_wake;
};
