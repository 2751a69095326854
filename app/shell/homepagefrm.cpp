#include "homepagefrm.h"

#include "oneclickwidget.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{
    struct CardText
    {
        const char *title;
        const char *description;
    };

    // Device, iTunes, iCloud.
    const CardText kCardTexts[3] = {
        {QT_TRANSLATE_NOOP("QObject", "Recover Data from iOS Device"),
         QT_TRANSLATE_NOOP("QObject", "Support to retrieve deleted data from your iOS device directly, including "
                                      "messages, contacts, picture, etc.")},
        {QT_TRANSLATE_NOOP("QObject", "Recover Data from iTunes Backup"),
         QT_TRANSLATE_NOOP("QObject", "Support to scan and preview data from iTunes backup.")},
        {QT_TRANSLATE_NOOP("QObject", "Recover Data from iCloud Backup"),
         QT_TRANSLATE_NOOP("QObject", "Support to recover data that synced to iCloud.")},
    };
}

class HomePageFrmPrivate
{
public:
    QLabel *heading = nullptr;
    OneClickWidget *cards[3] = {nullptr, nullptr, nullptr};
};

HomePageFrm::HomePageFrm(QWidget *parent)
    : ModuleBaseFrm(parent)
    , d(new HomePageFrmPrivate)
{
    setObjectName(QStringLiteral("HomePageFrm"));
    d->cards[0] = new OneClickWidget(0, this);
    d->cards[0]->setFixedSize(400, 520);
    d->cards[0]->setIcon(QPixmap(QStringLiteral(":/Images/Home_1.png")), QSize(190, 190));
    d->cards[1] = new OneClickWidget(2, this);
    d->cards[1]->setIcon(QPixmap(QStringLiteral(":/Images/Home_2.png")), QSize(100, 100));
    d->cards[2] = new OneClickWidget(2, this);
    d->cards[2]->setIcon(QPixmap(QStringLiteral(":/Images/Home_3.png")), QSize(100, 100));
    for (int i = 1; i < 3; ++i)
        d->cards[i]->setFixedSize(460, 240);

    d->heading = new QLabel(this);
    d->heading->setObjectName(QStringLiteral("HomeHeading"));
    d->heading->setAlignment(Qt::AlignCenter);
    d->heading->setStyleSheet(QStringLiteral("font-size:24px;color: #333333;font-weight: bold;"));
    retranslate();

    auto *side = new QVBoxLayout;
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(0);
    side->addWidget(d->cards[1]);
    side->addSpacing(40);
    side->addWidget(d->cards[2]);
    auto *cards = new QHBoxLayout;
    cards->setContentsMargins(0, 0, 0, 0);
    cards->setSpacing(0);
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

    connect(d->cards[0], &OneClickWidget::clicked, this, &HomePageFrm::sigRecoverFromiOSDeviceClicked);
    connect(d->cards[1], &OneClickWidget::clicked, this, &HomePageFrm::sigRecoverFromiTunesClicked);
    connect(d->cards[2], &OneClickWidget::clicked, this, &HomePageFrm::sigRecoverFromiCloudClicked);
}

HomePageFrm::~HomePageFrm() = default;

void HomePageFrm::setCardEnabled(int card, bool enabled)
{
    if (card < 0 || card >= 3)
        return;
    OneClickWidget *widget = d->cards[card];
    widget->setEnabled(enabled);
    // A card paints itself alike in both states: faded, a card that does
    // nothing does not invite a click.
    if (enabled) {
        widget->setGraphicsEffect(nullptr);
    } else if (!widget->graphicsEffect()) {
        auto *faded = new QGraphicsOpacityEffect(widget);
        faded->setOpacity(0.45);
        widget->setGraphicsEffect(faded);
    }
}

OneClickWidget *HomePageFrm::card(int index) const
{
    return index >= 0 && index < 3 ? d->cards[index] : nullptr;
}

void HomePageFrm::changeEvent(QEvent *event)
{
    // The cards' names for screen readers follow their titles.
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ModuleBaseFrm::changeEvent(event);
}

void HomePageFrm::retranslate()
{
    d->heading->setText(QObject::tr("Recover Your Data from iOS Device Completely"));
    for (int i = 0; i < 3; ++i) {
        d->cards[i]->setTitle(QObject::tr(kCardTexts[i].title));
        d->cards[i]->setDescription(QObject::tr(kCardTexts[i].description));
    }
}
