#include "acquireitunesbackupfrm.h"

#include "xbusyindicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

class AcquireiTunesBackupFrmPrivate
{
public:
    XBusyIndicator *movie = nullptr;
    QLabel *text = nullptr;
};

AcquireiTunesBackupFrm::AcquireiTunesBackupFrm(QWidget *parent)
    : QWidget(parent)
    , d(new AcquireiTunesBackupFrmPrivate)
{
    setObjectName(QStringLiteral("AcquireiTunesBackupFrm"));
    // The list page shows through.
    QPalette transparent = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        transparent.setBrush(group, QPalette::Window, Qt::transparent);
    setPalette(transparent);
    setAutoFillBackground(true);

    d->movie = new XBusyIndicator(this);
    d->movie->setFixedSize(64, 64);
    d->movie->setImage(QStringLiteral(":/Images/busying_max.png"), true);
    d->text = new QLabel(QObject::tr("Getting iTunes backup list...."), this);
    d->text->setFixedWidth(627);
    d->text->setAlignment(Qt::AlignCenter);
    d->text->setStyleSheet(QStringLiteral("font-size: 16px;color:#333333;"));

    auto *movieRow = new QHBoxLayout;
    movieRow->addStretch();
    movieRow->addWidget(d->movie);
    movieRow->addStretch();
    auto *textRow = new QHBoxLayout;
    textRow->addStretch();
    textRow->addWidget(d->text);
    textRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addLayout(movieRow);
    layout->addSpacing(40);
    layout->addLayout(textRow);
    layout->addStretch();
    hide();
}

AcquireiTunesBackupFrm::~AcquireiTunesBackupFrm() = default;

bool AcquireiTunesBackupFrm::isAnimating() const
{
    return d->movie->isRunning();
}

void AcquireiTunesBackupFrm::showEvent(QShowEvent *event)
{
    d->movie->start();
    QWidget::showEvent(event);
}

void AcquireiTunesBackupFrm::hideEvent(QHideEvent *event)
{
    d->movie->stop();
    QWidget::hideEvent(event);
}
