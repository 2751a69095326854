#include "homepagefrm.h"

#include "homecard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

class HomePageFrmPrivate
{
public:
    QLabel *heading = nullptr;
    HomeCard *cards[3] = {nullptr, nullptr, nullptr}; // device, iTunes, iCloud
};

HomePageFrm::HomePageFrm(QWidget *parent)
    : ModuleBaseFrm(parent)
    , d(new HomePageFrmPrivate)
{
    setObjectName(QStringLiteral("HomePageFrm"));
    d->heading = new QLabel(QObject::tr("Recover Your Data from iOS Device Completely"), this);
    d->heading->setObjectName(QStringLiteral("HomeHeading"));
    d->heading->setAlignment(Qt::AlignCenter);
    d->heading->setStyleSheet(QStringLiteral("font-size:24px;color: #333333;font-weight: bold;"));

    auto *cards = new QHBoxLayout;
    cards->setContentsMargins(0, 0, 0, 0);
    cards->setSpacing(0);
    d->cards[0] = new HomeCard(HomeCard::Tall, QStringLiteral(":/Images/Home_1.png"), QSize(190, 190),
                               QT_TRANSLATE_NOOP("QObject", "Recover Data from iOS Device"),
                               QT_TRANSLATE_NOOP("QObject", "Support to retrieve deleted data from your iOS device "
                                                            "directly, including messages, contacts, picture, etc."),
                               this);
    d->cards[0]->setFixedSize(400, 520);
    d->cards[1] = new HomeCard(HomeCard::Wide, QStringLiteral(":/Images/Home_2.png"), QSize(100, 100),
                               QT_TRANSLATE_NOOP("QObject", "Recover Data from iTunes Backup"),
                               QT_TRANSLATE_NOOP("QObject", "Support to scan and preview data from iTunes backup."),
                               this);
    d->cards[2] = new HomeCard(HomeCard::Wide, QStringLiteral(":/Images/Home_3.png"), QSize(100, 100),
                               QT_TRANSLATE_NOOP("QObject", "Recover Data from iCloud Backup"),
                               QT_TRANSLATE_NOOP("QObject", "Support to recover data that synced to iCloud."), this);
    for (int i = 1; i < 3; ++i)
        d->cards[i]->setFixedSize(460, 240);
    connect(d->cards[0], &QPushButton::clicked, this, &HomePageFrm::sigRecoverFromiOSDeviceClicked);
    connect(d->cards[1], &QPushButton::clicked, this, &HomePageFrm::sigRecoverFromiTunesClicked);
    connect(d->cards[2], &QPushButton::clicked, this, &HomePageFrm::sigRecoverFromiCloudClicked);

    auto *side = new QVBoxLayout;
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(0);
    side->addWidget(d->cards[1]);
    side->addSpacing(40);
    side->addWidget(d->cards[2]);
    cards->addStretch();
    cards->addWidget(d->cards[0]);
    cards->addSpacing(60);
    cards->addLayout(side);
    cards->addStretch();

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addSpacing(30);
    page->addWidget(d->heading);
    page->addSpacing(50);
    page->addLayout(cards);
    page->addStretch();
}

HomePageFrm::~HomePageFrm() = default;

void HomePageFrm::setCardEnabled(int card, bool enabled)
{
    if (card >= 0 && card < 3)
        d->cards[card]->setEnabled(enabled);
}

QPushButton *HomePageFrm::card(int index) const
{
    return index >= 0 && index < 3 ? d->cards[index] : nullptr;
}
