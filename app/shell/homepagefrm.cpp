#include "homepagefrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

class HomePageFrmPrivate
{
public:
    QLabel *heading = nullptr;
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
