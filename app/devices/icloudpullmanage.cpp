#include "icloudpullmanage.h"

#include "cirrane.h"
#include "vlog.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <dlfcn.h>

namespace
{
    // The library's callback has no user pointer: the one worker's intake.
    std::atomic<iCloudPullManage *> current{nullptr};
    CloudIntake *currentIntake = nullptr;

    bool bindLibrary(ICirrane **cirrane)
    {
        const QByteArray chosen = qgetenv("QUENROW_CIRRANE");
        if (chosen.isEmpty())
            return InitCirrane(cirrane);
        void *handle = ::dlopen(chosen.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return false;
        auto init = reinterpret_cast<bool (*)(ICirrane **)>(::dlsym(handle, "InitCirrane"));
        return init && init(cirrane);
    }
}

iCloudPullManage::iCloudPullManage(CloudIntake intake)
    : m_intake(std::move(intake))
{
    if (bindLibrary(&m_cirrane) && m_cirrane) {
        m_bound = true;
        currentIntake = &m_intake;
        current = this;
        m_cirrane->SetRecordCallback(&iCloudPullManage::recordCallback);
    } else {
        m_cirrane = nullptr;
        vlogInfo(QStringLiteral("load Cirrane.dll failed"));
    }
    start();
}

iCloudPullManage::~iCloudPullManage()
{
    quit();
    wait();
    if (current == this) {
        current = nullptr;
        currentIntake = nullptr;
    }
}

void iCloudPullManage::recordCallback(const void *kindAndMore, const void *record, int subKind, int extra)
{
    if (!kindAndMore || !currentIntake || !currentIntake->record)
        return;
    currentIntake->record(*static_cast<const int *>(kindAndMore), record, subKind, extra);
}

int iCloudPullManage::cloudKindOf(int category)
{
    switch (category) {
    case 16: return CloudPhotos;
    case 32: return CloudVideos;
    case 1: return CloudContacts;
    case 2048: return CloudCalendars;
    case 512: return CloudNotes;
    case 4096: return CloudReminders;
    default: return 0;
    }
}

int iCloudPullManage::blockingCall(const std::function<int()> &job)
{
    // Without the library there is nobody to ask.
    if (!m_bound)
        return CirraneNotAvailable;
    QFutureWatcher<int> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<int>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(QThreadPool::globalInstance(), job));
    if (!watcher.isFinished())
        loop.exec();
    return watcher.result();
}

int iCloudPullManage::login(const QString &appleId, const QString &password)
{
    vlogInfo(QStringLiteral("[Login] arg1:%1 arg2:%2").arg(appleId, password.isEmpty() ? QString() : QStringLiteral("********")));
    const std::wstring id = appleId.toStdWString(), secret = password.toStdWString();
    const int result = blockingCall([this, id, secret] {
        const int code = m_cirrane->Login(id, secret);
        if (code == CirraneOk)
            m_accountInfo = m_cirrane->GetAccountInfo();
        return code;
    });
    vlogInfo(QStringLiteral("Login=%1").arg(result));
    return result;
}

int iCloudPullManage::verifySecurityCode(const QString &code, bool flag)
{
    vlogInfo(QStringLiteral("[VerifySecurityCode] arg1:%1 arg2:%2").arg(code).arg(flag ? 1 : 0));
    const std::wstring text = code.toStdWString();
    const int result = blockingCall([this, text, flag] {
        const int answer = m_cirrane->VerifySecurityCode(text, flag);
        if (answer == CirraneOk)
            m_accountInfo = m_cirrane->GetAccountInfo();
        return answer;
    });
    vlogInfo(QStringLiteral("VerifySecurityCode=%1").arg(result));
    return result;
}

void iCloudPullManage::anycRequestSecurityCode(int viaSms)
{
    vlogInfo(QStringLiteral("[anycRequestSecurityCode] arg:%1").arg(viaSms));
    if (!m_bound)
        return;
    ICirrane *cirrane = m_cirrane;
    QtConcurrent::run(QThreadPool::globalInstance(), [cirrane, viaSms] {
        const int result = viaSms ? cirrane->RequestSecurityCode_SMS() : cirrane->RequestSecurityCode();
        vlogInfo(QStringLiteral("RequestSecurityCode=%1").arg(result));
    });
}

int iCloudPullManage::requestSecurityCode()
{
    const int result = blockingCall([this] { return m_cirrane->RequestSecurityCode(); });
    vlogInfo(QStringLiteral("RequestSecurityCode=%1").arg(result));
    return result;
}

int iCloudPullManage::requestSecurityCodeSMS()
{
    const int result = blockingCall([this] { return m_cirrane->RequestSecurityCode_SMS(); });
    vlogInfo(QStringLiteral("RequestSecurityCode_SMS=%1").arg(result));
    return result;
}

void iCloudPullManage::clearLoginInfo()
{
    vlogInfo(QStringLiteral("ClearLoginInfo"));
    if (!m_bound)
        return;
    ICirrane *cirrane = m_cirrane;
    QtConcurrent::run(QThreadPool::globalInstance(), [cirrane] { cirrane->ClearLoginInfo(); });
}

int iCloudPullManage::getAccountInfo()
{
    const int result = blockingCall([this] { return m_cirrane->GetAccountInfo(); });
    vlogInfo(QStringLiteral("GetAccountInfo=%1").arg(result));
    return result;
}

void iCloudPullManage::pullBackups(const QVector<int> &categories, const QString &folder)
{
    {
        QMutexLocker lock(&m_mutex);
        m_folder = folder;
        m_pending = categories;
        m_stopRequested = false;
        m_wake.wakeAll();
    }
    emit sigPullBackupsStart();
}

void iCloudPullManage::stopPull()
{
    // The flag first: the pull that StopPull ends must find it set, or the
    // worker would start the next category.
    m_stopRequested = true;
    if (m_bound)
        m_cirrane->StopPull();
    QMutexLocker lock(&m_mutex);
    m_wake.wakeAll();
}

void iCloudPullManage::quit()
{
    requestInterruption();
    stopPull();
}

void iCloudPullManage::run()
{
    QMutexLocker lock(&m_mutex);
    for (;;) {
        if (isInterruptionRequested())
            return;
        if (m_pending.isEmpty()) {
            m_wake.wait(&m_mutex);
            continue;
        }
        if (m_stopRequested) {
            // Stopped before this request's first category: it still ends.
            m_pending.clear();
            lock.unlock();
            emit sigPullBackupsStop();
            lock.relock();
            continue;
        }
        const int kind = cloudKindOf(m_pending.takeFirst());
        if (kind != 0) {
            CirranePullParam param;
            param.kind = kind;
            param.folder = m_folder.toStdWString();

            // The pull runs without the lock: requests, stops and quits come
            // in meanwhile and take effect after this category.
            lock.unlock();
            if (m_bound && !m_stopRequested) {
                m_cirrane->SetPullParam(&param);
                m_cirrane->StartPull();
            }
            if (m_intake.finish)
                m_intake.finish(kind);
            lock.relock();
        }
        // Also after a flag it cannot pull: a queue ending in one still ends.
        if (m_pending.isEmpty() || m_stopRequested) {
            m_pending.clear(); // a stop ends the request once
            lock.unlock();
            emit sigPullBackupsStop();
            lock.relock();
        }
    }
}
