#include "iosdevicesrecoverfrm.h"

#include "animationview.h"
#include "backupdataflowtemplate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

IOSDevicesRecoverFrm::IOSDevicesRecoverFrm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("IOSDevicesRecoverFrm"));
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("DevicesRecoverPanel"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("QWidget#DevicesRecoverPanel{background: #FFFFFF;border-radius: 10px;}"));

    auto *title = new QLabel(QObject::tr("Analysing Your Device"), panel);
    title->setStyleSheet(QStringLiteral("font-weight:bold;font-size:24px;color: #333333;"));
    m_device = new QLabel(panel);
    m_device->setObjectName(QStringLiteral("DeviceLabel"));
    m_device->setStyleSheet(QStringLiteral("font-size:18px;color: #666666;"));
    m_animation = new AnimationView(panel);
    m_animation->setImage(QStringLiteral(":/Images/Connect/Connect.png"));

    auto *steps = new QVBoxLayout;
    steps->setSpacing(24);
    steps->addStretch();
    steps->addWidget(title);
    steps->addWidget(m_device);
    steps->addSpacing(20);
    for (int i = 0; i < 3; ++i) {
        auto *row = new BackupDataFlowTemplate(panel);
        m_rows << row;
        steps->addWidget(row);
    }
    steps->addStretch();
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(60, 0, 60, 0);
    row->addWidget(m_animation);
    row->addSpacing(60);
    row->addLayout(steps);
    row->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
}

void IOSDevicesRecoverFrm::setRowState(int row, int state)
{
    if (row >= 0 && row < m_rows.size())
        m_rows.at(row)->setState(state);
}

void IOSDevicesRecoverFrm::setRowText(int row, const QString &text)
{
    if (row >= 0 && row < m_rows.size())
        m_rows.at(row)->setText(text);
}

void IOSDevicesRecoverFrm::setDeviceText(const QString &text)
{
    m_device->setText(text);
}

BackupDataFlowTemplate *IOSDevicesRecoverFrm::row(int index) const
{
    return m_rows.value(index);
}

QString IOSDevicesRecoverFrm::deviceText() const
{
    return m_device->text();
}
