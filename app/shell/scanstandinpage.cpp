#include "scanstandinpage.h"

#include "deviceparser.h"
#include "icloudhelp.h"
#include "modulemanager.h"
#include "scanitunesbackupmanage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ScanStandInPage::ScanStandInPage(QWidget *parent)
    : ModuleBaseFrm(parent)
{
    setObjectName(QStringLiteral("ScanStandInPage"));
    m_status = new QLabel(this);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setStyleSheet(QStringLiteral("font-size:16px;color: #666666;"));
    auto *back = new QPushButton(QObject::tr("Back"), this);
    back->setObjectName(QStringLiteral("BackButton"));
    back->setFixedSize(100, 36);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->addStretch();
    layout->addWidget(m_status);
    layout->addStretch();
    layout->addWidget(back, 0, Qt::AlignLeft);
    connect(back, &QPushButton::clicked, this, &ModuleBaseFrm::sigBackButtonClicked);
}

void ScanStandInPage::startScan(const QString &backupId, const QString &deviceId)
{
    const QVector<int> categories = DeviceParser::instance()->scanCategories(0);
    m_status->setText(QObject::tr("Scanning %1").arg(backupId));
    if (ModuleManager::instance()->current() == ModuleManager::ICloudBackup)
        iCloudHelp::instance()->scanBackups(categories, backupId);
    else
        ScaniTunesBackupManage::instance()->scanBackupsDb(categories.toList(), backupId, deviceId, false);
}
