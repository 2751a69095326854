#include "devicenotconnectfrm.h"

#include "flowlinklabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <QVariant>

DeviceNotConnectFrm::DeviceNotConnectFrm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DeviceNotConnectFrm"));
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("DeviceNotConnectPanel"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("QWidget#DeviceNotConnectPanel{min-width:824px;background: #FFFFFF;}"));

    auto *image = new QLabel(panel);
    image->setFixedSize(300, 520);
    image->setScaledContents(true);
    image->setPixmap(QPixmap(QStringLiteral(":/Images/Connect/NoConnect.png")));

    auto *title = new QLabel(QObject::tr("Please connect your iOS device to PC"), panel);
    title->setStyleSheet(QStringLiteral("font-weight:bold;font-size:24px;color: #333333;"));
    QList<QLabel *> notes;
    for (const QString &text : {QObject::tr("Note:"), QObject::tr("1. Make sure your device is unlocked."),
                                QObject::tr("2. Make sure connect one device to scan.")}) {
        auto *note = new QLabel(text, panel);
        note->setStyleSheet(QStringLiteral("color: #999999;font-size: 16px;"));
        notes << note;
    }
    m_link = new FlowLinkLabel(panel);
    m_link->setObjectName(QStringLiteral("NotRecognizedLink"));
    // Its name follows the language from refreshTexts.
    m_link->setProperty("@Bypassed", true);
    connect(m_link, &QLabel::linkActivated, this, &DeviceNotConnectFrm::sigDeviceNotrecognized);
    refreshTexts();

    auto *texts = new QVBoxLayout;
    texts->setSpacing(12);
    texts->addStretch();
    texts->addWidget(title);
    texts->addSpacing(20);
    for (QLabel *note : notes)
        texts->addWidget(note);
    texts->addSpacing(20);
    texts->addWidget(m_link);
    texts->addStretch();
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(60, 0, 0, 0);
    row->addWidget(image);
    row->addSpacing(40);
    row->addLayout(texts);
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
}

void DeviceNotConnectFrm::refreshTexts()
{
    m_link->setLinkText(
        QObject::tr("<a style='color:#558AF8;font-size:16px;'href = \"#\">Device is connected but unrecognized?"));
}
