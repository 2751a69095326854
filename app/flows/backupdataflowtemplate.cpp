#include "backupdataflowtemplate.h"

#include "xbusyindicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVariant>

BackupDataFlowTemplate::BackupDataFlowTemplate(QWidget *parent)
    : QWidget(parent)
{
    m_text = new QLabel(this);
    m_icon = new QLabel(this);
    m_icon->setFixedSize(24, 24);
    m_icon->setScaledContents(true);
    m_icon->setAlignment(Qt::AlignCenter);
    m_icon->setPixmap(QPixmap(QStringLiteral(":/Images/BackupData/wait.png")));
    m_icon->setProperty("@Bypassed", true);
    m_busy = new XBusyIndicator(this);
    m_busy->setFixedSize(24, 24);
    m_busy->setImage(QStringLiteral(":/Images/loading.png"), true);
    setProperty("@Bypassed", true);
    setFixedWidth(480);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_text);
    row->addStretch();
    row->addWidget(m_icon);
    row->addWidget(m_busy);
    setState(StepWaiting);
}

void BackupDataFlowTemplate::setText(const QString &text)
{
    m_text->setText(text);
}

QString BackupDataFlowTemplate::text() const
{
    return m_text->text();
}

void BackupDataFlowTemplate::setState(int state)
{
    m_busy->stop();
    m_state = state;
    const char *icon = nullptr;
    const char *style = nullptr;
    switch (state) {
    case StepRunning:
        m_icon->hide();
        m_busy->start();
        m_text->setStyleSheet(QStringLiteral("font-size:18px;color: #558AF8;"));
        return;
    case StepFailed:
        icon = ":/Images/BackupData/Scanfail.png";
        style = "font-size:18px;color:#ED6143;";
        break;
    case StepWaiting:
        icon = ":/Images/BackupData/wait.png";
        style = "font-size:18px;color:#999999;";
        break;
    case StepDone:
        icon = ":/Images/BackupData/Scansuccess.png";
        style = "font-size:18px;color:#333333;";
        break;
    default:
        return;
    }
    m_icon->setPixmap(QPixmap(QString::fromLatin1(icon)));
    m_icon->show();
    m_text->setStyleSheet(QString::fromLatin1(style));
}

int BackupDataFlowTemplate::state() const
{
    return m_state;
}

bool BackupDataFlowTemplate::isBusy() const
{
    return m_busy->isRunning();
}
