#include "deviceexceptionfrm.h"

#include "analyticstracker.h"
#include "fileutils.h"
#include "flowlinklabel.h"
#include "flowlinks.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <QVariant>

DevicEexceptionFrm::DevicEexceptionFrm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DevicEexceptionFrm"));
    auto *title = new QLabel(QObject::tr("Your device is detected in an abnormal state, please fix it first..."), this);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font-weight:bold;font-size:24px;color:#333333;"));
    auto *image = new QLabel(this);
    image->setPixmap(QPixmap(QStringLiteral(":/Images/ios/ios_exception.png")));
    image->setAlignment(Qt::AlignCenter);
    m_note = new FlowLinkLabel(this);
    m_note->setObjectName(QStringLiteral("ExceptionNote"));
    m_note->setWordWrap(true);
    m_note->setFixedWidth(720);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setStyleSheet(m_note->styleSheet() + QStringLiteral("QLabel{font-size:16px;color: #999999;}"));
    m_note->setProperty("@Bypassed", true);
    connect(m_note, &QLabel::linkActivated, this, [](const QString &address) {
        trackEvent("RecoverfromiOSDevice", "DeviceConnection", "Click_iOSsysRepairTool001");
        openUrl(address);
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 40, 60, 40);
    layout->addWidget(title);
    layout->addSpacing(30);
    layout->addWidget(image);
    layout->addSpacing(30);
    layout->addWidget(m_note, 0, Qt::AlignHCenter);
    layout->addStretch();
    refreshTexts();
}

void DevicEexceptionFrm::refreshTexts()
{
    m_note->setLinkText(QObject::tr("Note: Your device has been detected in an abnormal state. You'd better use the <a "
                                "style='color: #558AF8;text-decoration: none;'href=\"%1\">iOS System Repair "
                                "Tool</a> to fix your device to a normal state first.")
                        .arg(FlowLinks::systemRepairPage().toHtmlEscaped()));
}
