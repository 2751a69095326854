#include "devicetrustunlockfrm.h"

#include "flowdevice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <QVariant>

deviceTrustUnlockFrm::deviceTrustUnlockFrm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("deviceTrustUnlockFrm"));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("TrustTitle"));
    // The device's name is the person's own text.
    m_title->setTextFormat(Qt::PlainText);
    m_title->setWordWrap(true);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setStyleSheet(QStringLiteral("font-weight:bold;font-size:24px;color: #333333;"));
    m_title->setProperty("@Bypassed", true);

    auto *steps = new QHBoxLayout;
    steps->setSpacing(80);
    steps->addStretch();
    const QList<QPair<QString, QString>> content {
        {QStringLiteral(":/Images/ios/Trustunlock/2.png"), QObject::tr("1. Please tap \"Trust\" on your iOS device.")},
        {QStringLiteral(":/Images/ios/Trustunlock/3.png"), QObject::tr("2. Please enter your passcode on iOS device.")}};
    for (const auto &step : content) {
        auto *image = new QLabel(this);
        image->setFixedSize(154, 278);
        image->setScaledContents(true);
        image->setPixmap(QPixmap(step.first));
        auto *text = new QLabel(step.second, this);
        text->setFixedWidth(154);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        text->setStyleSheet(QStringLiteral("font-size: 16px;color: #333333;"));
        auto *column = new QVBoxLayout;
        column->setSpacing(16);
        column->addWidget(image);
        column->addWidget(text);
        steps->addLayout(column);
    }
    steps->addStretch();
    auto *note = new QLabel(QObject::tr("Note: If you don't see the trust prompt, please re-plug your device."), this);
    note->setAlignment(Qt::AlignCenter);
    note->setStyleSheet(QStringLiteral("font-size:16px;color: #999999;"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 40, 60, 30);
    layout->addWidget(m_title);
    layout->addSpacing(40);
    layout->addLayout(steps);
    layout->addSpacing(30);
    layout->addWidget(note);
    layout->addStretch();
    refreshTexts();
}

void deviceTrustUnlockFrm::refreshTexts()
{
    const MobileDeviceInfo info = FlowDevice::current();
    m_title->setText(QObject::tr("Please trust this computer on %1(%2) device.").arg(info.deviceName, info.modelName));
}

QString deviceTrustUnlockFrm::titleText() const
{
    return m_title->text();
}
