#include "icloudhelp.h"

#include "deviceparser.h"
#include "vlog.h"

#include <QDir>

CloudIntake storeCloudIntake()
{
    return CloudIntake{[](int kind, const void *record, int subKind, int extra) {
                           DeviceParser::instance()->parseCloudRecord(0, kind, record, subKind, extra);
                       },
                       [](int kind) { DeviceParser::instance()->finishCloudCategory(kind); }};
}

iCloudHelp *iCloudHelp::instance()
{
    static iCloudHelp help;
    return &help;
}

iCloudHelp::iCloudHelp()
    : m_pull(new iCloudPullManage(storeCloudIntake()))
{
    connect(m_pull, &iCloudPullManage::sigPullBackupsStart, this, &iCloudHelp::sigPullBackupsStart);
    connect(m_pull, &iCloudPullManage::sigPullBackupsStop, this, &iCloudHelp::sigPullBackupsStop);
}

int iCloudHelp::login(const QString &appleId, const QString &password)
{
    return m_pull->login(appleId, password);
}

int iCloudHelp::verifySecurityCode(const QString &code, bool flag)
{
    m_verifying = true;
    const int result = m_pull->verifySecurityCode(code, flag);
    m_verifying = false;
    return result;
}

void iCloudHelp::requestSecurityCodeAsync(int viaSms)
{
    m_pull->anycRequestSecurityCode(viaSms);
}

int iCloudHelp::requestSecurityCode()
{
    return m_pull->requestSecurityCode();
}

int iCloudHelp::requestSecurityCodeSMS()
{
    return m_pull->requestSecurityCodeSMS();
}

void iCloudHelp::clearLoginInfo()
{
    m_pull->clearLoginInfo();
}

int iCloudHelp::accountInfo() const
{
    return m_pull->accountInfo();
}

void iCloudHelp::scanBackups(const QVector<int> &categories, const QString &folder)
{
    DeviceParser::instance()->setScanFinished(0, false);
    QDir().mkpath(folder);
    vlogInfo(QStringLiteral("[scanBackups]=>%1").arg(folder));
    m_pull->pullBackups(categories, folder);
}

void iCloudHelp::stopPullBackups()
{
    DeviceParser::instance()->setScanFinished(0, true);
    m_pull->stopPull();
}

void iCloudHelp::quit()
{
    m_pull->quit();
}
