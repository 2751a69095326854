#include "itunesbackupnullfrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

iTunesBackupNullFrm::iTunesBackupNullFrm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("iTunesBackupNullFrm"));
    auto *image = new QLabel(this);
    image->setFixedSize(140, 140);
    image->setScaledContents(true);
    image->setPixmap(QPixmap(QStringLiteral(":/Images/missing.png")));
    auto *text = new QLabel(QObject::tr("Sorry, your iTunes backup file was not found."), this);
    text->setObjectName(QStringLiteral("iTunesBackupNullText"));
    text->setStyleSheet(QStringLiteral("font-size:16px;color: #666666;"));

    auto *imageRow = new QHBoxLayout;
    imageRow->addStretch();
    imageRow->addWidget(image);
    imageRow->addStretch();
    auto *textRow = new QHBoxLayout;
    textRow->addStretch();
    textRow->addWidget(text);
    textRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addSpacing(50);
    layout->addLayout(imageRow);
    layout->addSpacing(20);
    layout->addLayout(textRow);
    layout->addStretch();
    hide();
}
