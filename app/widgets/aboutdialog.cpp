#include "aboutdialog.h"

#include "settingsentry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
    const QString kHomepageKey = QStringLiteral("HomepageUrl");
    const QString kHomepageFallback = QStringLiteral("https://www.quenrow.com/");
}

AboutDialog::AboutDialog(QWidget *parent)
    : AboutFrameDialog(QSize(520, 340), 5, parent)
{
    hide();
    setTitleText(QObject::tr("About") + QStringLiteral(" Quenrow (iOS)"));
    connect(m_closeButton, &QPushButton::clicked, this, [this] { done(ClosedByTitleBar); });

    auto *versionLabel = new QLabel(QObject::tr("Version:") + version(), this);
    versionLabel->setStyleSheet(QStringLiteral("font-size:10pt;color:#333333;"));
    auto *versionRow = new QHBoxLayout;
    versionRow->addWidget(versionLabel);
    versionRow->addStretch();

    auto *maker = new QLabel(QObject::tr("Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, "
                                         "contacts, photos, notes, chats and more, from the device itself, from an "
                                         "iTunes backup or from an iCloud backup. It is made by the Quenrow team, "
                                         "who build careful tools for getting people's data back."),
                             this);
    maker->setWordWrap(true);
    maker->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    maker->setStyleSheet(QStringLiteral("color:#666666;font-size:10pt;"));

    // The address is a setting, so it is escaped into the link.
    const QString address = homepageUrl().toHtmlEscaped();
    auto *link = new QLabel(this);
    link->setObjectName(QStringLiteral("HomepageLink"));
    link->setTextFormat(Qt::RichText);
    link->setText(QStringLiteral("<a style='color:#558AF8;font-size:10pt;'href = \"%1\">%2").arg(address, address));
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setContextMenuPolicy(Qt::NoContextMenu);
    auto *linkRow = new QHBoxLayout;
    linkRow->addWidget(link);
    linkRow->addStretch();

    auto *copyright = new QLabel(QObject::tr("Copyright \u00a9 2024 Quenrow. All rights reserved."), this);
    copyright->setStyleSheet(QStringLiteral("color:#666666;font-size:10pt;"));
    auto *copyrightRow = new QHBoxLayout;
    copyrightRow->addWidget(copyright);
    copyrightRow->addStretch();

    QVBoxLayout *body = bodyLayout();
    body->setContentsMargins(30, 20, 30, 12);
    body->addLayout(makeLogoRow(QStringLiteral("font-size:25px;font-weight:bold;color:#333333;")));
    body->addSpacing(10);
    body->addLayout(versionRow);
    body->addSpacing(20);
    body->addWidget(maker);
    body->addLayout(linkRow);
    body->addLayout(copyrightRow);
}

QString AboutDialog::version()
{
    return QStringLiteral("8.1.0");
}

QString AboutDialog::homepageUrl()
{
    return SettingsEntry::instance()->endpoint("QUENROW_HOMEPAGE_URL", kHomepageKey, kHomepageFallback);
}
