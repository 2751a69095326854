#include "scanbackupselecttypefrm.h"

#include "flowdevice.h"
#include "typeselectstartingpage.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>

ScanBackupSelectTypeFrm::ScanBackupSelectTypeFrm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ScanBackupSelectTypeFrm"));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("SelectTypeTitle"));
    m_title->setWordWrap(true);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setMinimumHeight(36);
    m_title->setStyleSheet(QStringLiteral("font-size: 24px;font-weight:bold;color:#333333;"));
    m_title->setProperty("@Bypassed", true);
    m_types = new TypeSelectStartingPage(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(80, 30, 80, 30);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addSpacing(30);
    layout->addWidget(m_types);

    connect(m_types, &TypeSelectStartingPage::sigSelectState, this, &ScanBackupSelectTypeFrm::sigSelectState);
    refreshTexts();
}

bool ScanBackupSelectTypeFrm::isAnySelected() const
{
    return m_types->isAnySelected();
}

QVector<int> ScanBackupSelectTypeFrm::selectedItems() const
{
    return m_types->selectedItems();
}

void ScanBackupSelectTypeFrm::showAnalyzing(bool show)
{
    m_types->showAnalyzing(show);
}

void ScanBackupSelectTypeFrm::refreshTexts()
{
    const MobileDeviceInfo info = FlowDevice::current();
    // Names from the device are text, inside our own markup.
    m_title->setText(QObject::tr("<font color=\"#558AF8\";>%1(%2)</font> is connected! Please select the types of "
                                 "data you want to recover.")
                         .arg(info.deviceName.toHtmlEscaped(), info.modelName.toHtmlEscaped()));
    m_types->retranslate();
}

QString ScanBackupSelectTypeFrm::titleText() const
{
    return m_title->text();
}

TypeSelectStartingPage *ScanBackupSelectTypeFrm::typePage() const
{
    return m_types;
}
