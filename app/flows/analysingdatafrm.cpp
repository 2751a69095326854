#include "analysingdatafrm.h"

#include "modulemanager.h"
#include "xbusyindicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>

class AnalysingDataFrmPrivate
{
public:
    XBusyIndicator *movie = nullptr;
    QLabel *note = nullptr;
};

AnalysingDataFrm::AnalysingDataFrm(QWidget *parent)
    : QWidget(parent)
    , d(new AnalysingDataFrmPrivate)
{
    setObjectName(QStringLiteral("AnalysingDataFrm"));
    d->movie = new XBusyIndicator(this);
    d->movie->setFixedSize(128, 128);
    d->movie->setImage(QStringLiteral(":/Images/busying_max.png"), true);
    d->movie->setProperty("@Bypassed", true);
    d->note = new QLabel(this);
    d->note->setObjectName(QStringLiteral("AnalysingNote"));
    d->note->setWordWrap(true);
    d->note->setFixedWidth(627);
    d->note->setAlignment(Qt::AlignCenter);
    d->note->setStyleSheet(QStringLiteral("font-size:16px;color: #666666;"));

    auto *movieRow = new QHBoxLayout;
    movieRow->addStretch();
    movieRow->addWidget(d->movie);
    movieRow->addStretch();
    auto *noteRow = new QHBoxLayout;
    noteRow->addStretch();
    noteRow->addWidget(d->note);
    noteRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addLayout(movieRow);
    layout->addSpacing(40);
    layout->addLayout(noteRow);
    layout->addStretch();
    updateSourceText();
}

AnalysingDataFrm::~AnalysingDataFrm() = default;

void AnalysingDataFrm::updateSourceText()
{
    switch (ModuleManager::instance()->current()) {
    case ModuleManager::ICloudBackup:
        d->note->setText(QObject::tr("It takes a while to download and analyze the iCloud data. The scanning time "
                                     "depends on the data size of your iCloud backup. Please wait patiently!"));
        break;
    case ModuleManager::IOSDeviceSelectiveBackup:
        d->note->setText(QObject::tr("Please keep the device connection stable during the scanning process. How "
                                     "long the scan takes depends on the size of the device's data. The more data, "
                                     "the longer it takes. Please wait."));
        break;
    default:
        d->note->setText(QObject::tr("The scanning time depends on your data size. It will take a long time to "
                                     "scan if you have a lot of data. Please wait patiently."));
        break;
    }
}

bool AnalysingDataFrm::isAnimating() const
{
    return d->movie->isRunning();
}

void AnalysingDataFrm::showEvent(QShowEvent *event)
{
    updateSourceText();
    d->movie->start();
    QWidget::showEvent(event);
}

void AnalysingDataFrm::hideEvent(QHideEvent *event)
{
    d->movie->stop();
    QWidget::hideEvent(event);
}
