#include "upgradedialog.h"

#include "vlog.h"
#include "xbusyindicator.h"

#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace
{
    // Release notes come from the network: they may name pictures, style
    // sheets or pages anywhere, local files included. None is loaded; every
    // name gets an empty stand-in, so that Qt does not look for the file
    // itself either.
    class ReleaseNotesBrowser : public QTextBrowser
    {
    public:
        using QTextBrowser::QTextBrowser;

        QVariant loadResource(int type, const QUrl &) override
        {
            if (type == QTextDocument::ImageResource) {
                QImage blank(1, 1, QImage::Format_ARGB32_Premultiplied);
                blank.fill(Qt::transparent);
                return blank;
            }
            return QStringLiteral(" ");
        }
    };
}

class UpgradeDialogPrivate
{
public:
    QLabel *headline = nullptr;
    QLabel *details = nullptr;
    QWidget *separator = nullptr;
    QTextBrowser *notes = nullptr;
    QPushButton *remindLater = nullptr;
    QPushButton *upgradeNow = nullptr;
    XBusyIndicator *busy = nullptr;
    QString downloadUrl;
};

UpgradeDialog::UpgradeDialog(QWidget *parent)
    : AboutFrameDialog(QSize(520, 460), 0, parent)
    , d(new UpgradeDialogPrivate)
{
    hide();
    connect(m_closeButton, &QPushButton::clicked, this, [this] { done(0); });

    d->headline = new QLabel(this);
    d->headline->setObjectName(QStringLiteral("UpdateHeadline"));
    d->headline->setStyleSheet(QStringLiteral("font-size:16px;font-weight:bold;color:#333333"));
    d->headline->setWordWrap(true);
    d->headline->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    d->headline->setMinimumWidth(426);
    // The full width of the body, and a second line when a translation needs
    // it, rather than a clipped headline.
    d->headline->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    auto *headlineRow = new QHBoxLayout;
    headlineRow->addWidget(d->headline, 1);
    headlineRow->addStretch();

    d->details = new QLabel(this);
    d->details->setObjectName(QStringLiteral("UpdateDetails"));
    d->details->setTextFormat(Qt::PlainText);
    d->details->setStyleSheet(QStringLiteral("font-size:14px;color: #333333;"));
    // Its values come from the network and may be long: they wrap instead of
    // pushing the fixed-size dialog's layout out of shape.
    d->details->setWordWrap(true);
    d->details->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    auto *detailsRow = new QHBoxLayout;
    detailsRow->addWidget(d->details, 1);
    detailsRow->addStretch();

    d->separator = new QWidget(this);
    d->separator->setFixedHeight(1);
    d->separator->setAttribute(Qt::WA_StyledBackground);
    d->separator->setStyleSheet(QStringLiteral("QWidget {background: #D7D7D7;}"));

    d->notes = new ReleaseNotesBrowser(this);
    d->notes->setObjectName(QStringLiteral("ReleaseNotes"));
    d->notes->setReadOnly(true);
    d->notes->setTextInteractionFlags(Qt::NoTextInteraction);
    d->notes->setOpenLinks(false);
    d->notes->setOpenExternalLinks(false);
    d->notes->setLineWrapMode(QTextEdit::WidgetWidth);
    d->notes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->notes->setStyleSheet(QStringLiteral("QTextBrowser {border: none;color:#333333;background-color: white;}"));

    d->remindLater = new QPushButton(this);
    d->remindLater->setObjectName(QStringLiteral("SecondaryButton"));
    d->remindLater->setFixedSize(140, 32);
    d->upgradeNow = new QPushButton(this);
    d->upgradeNow->setObjectName(QStringLiteral("FPushButton"));
    d->upgradeNow->setFixedSize(140, 32);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(d->remindLater);
    buttonRow->addSpacing(10);
    buttonRow->addWidget(d->upgradeNow);

    QVBoxLayout *body = bodyLayout();
    body->setContentsMargins(30, 10, 30, 15);
    body->addLayout(makeLogoRow(QStringLiteral("font-size:25px;font-weight:bold;color:#333333")));
    body->addSpacing(25);
    body->addLayout(headlineRow);
    body->addSpacing(10);
    body->addLayout(detailsRow);
    body->addWidget(d->separator);
    body->addWidget(d->notes);
    body->addLayout(buttonRow);

    // Outside the layouts: it turns over the middle while waiting.
    d->busy = new XBusyIndicator(this);
    d->busy->setFixedSize(50, 50);
    d->busy->setImage(QStringLiteral(":/Images/loading.png"));

    retranslate();

    connect(d->remindLater, &QPushButton::clicked, this, [this] { done(0); });
    connect(d->upgradeNow, &QPushButton::clicked, this, &UpgradeDialog::upgradeNow);
}

UpgradeDialog::~UpgradeDialog() = default;

void UpgradeDialog::retranslate()
{
    // The dialog lives as long as the window: its title names it to
    // assistive tools in the language shown.
    setTitleText(QObject::tr("Check for Updates"));
    d->notes->setAccessibleName(QObject::tr("What's New"));
    d->remindLater->setText(QObject::tr("Remind Me Later"));
    d->upgradeNow->setText(QObject::tr("Upgrade Now"));
}

void UpgradeDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    AboutFrameDialog::changeEvent(event);
}

void UpgradeDialog::showChecking()
{
    d->headline->setText(QObject::tr("Waiting for checking..."));
    d->details->clear();
    d->details->hide();
    d->notes->clear();
    d->remindLater->hide();
    d->upgradeNow->hide();
    d->downloadUrl.clear();
    d->busy->move((width() - d->busy->width()) / 2, (height() - d->busy->height()) / 2 + 50);
    d->busy->start();
}

void UpgradeDialog::showCheckResult(const QVariantMap &result)
{
    d->busy->stop();
    const int verdict = result.value(QStringLiteral("CheckResult"), 0).toInt();
    if (verdict == 0) {
        d->headline->setText(QObject::tr("Current version is up to date."));
        setDetailsVisible(false);
    } else if (verdict == 1) {
        d->headline->setText(QObject::tr("A new version is available!"));
        const QString version = result.value(QStringLiteral("Version")).toString();
        if (!version.isEmpty()) {
            const QString size = result.value(QStringLiteral("Size")).toString();
            const QString date = displayDate(result.value(QStringLiteral("Release Date")).toString());
            // One arg() call: a "%2" in a value is not a place holder.
            d->details->setText(QObject::tr("Version: %1 | Size: %2 | Release Date: %3").arg(version, size, date));
        }
        d->notes->setText(result.value(QStringLiteral("What's New")).toString());
        d->downloadUrl = result.value(QStringLiteral("Download URL")).toString();
        setDetailsVisible(true);
    } else {
        d->headline->setText(QObject::tr("Fetch update info failed. Please try again later.."));
        setDetailsVisible(false);
    }
}

void UpgradeDialog::setDetailsVisible(bool visible)
{
    d->details->setVisible(visible);
    d->separator->setVisible(visible);
    d->remindLater->setVisible(visible);
    d->upgradeNow->setVisible(visible);
}

QString UpgradeDialog::displayDate(const QString &date)
{
    static const QRegularExpression yearFirst(QStringLiteral("^[0-9]{4}-"));
    if (!yearFirst.match(date).hasMatch())
        return date;
    return date.mid(5) + QStringLiteral(".%1").arg(date.left(4));
}

bool UpgradeDialog::isOpenableDownloadUrl(const QString &address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
           && !url.host().isEmpty();
}

void UpgradeDialog::upgradeNow()
{
    if (!isOpenableDownloadUrl(d->downloadUrl)) {
        // The address came from the network: nothing else is opened.
        vlogInfo(QStringLiteral("Upgrade Now: the download address is not an http or https address, not opened: %1")
                     .arg(QString::fromLatin1(QUrl::toPercentEncoding(d->downloadUrl.left(512), "/:?&=#"))));
        return;
    }
    QDesktopServices::openUrl(QUrl(d->downloadUrl.trimmed(), QUrl::StrictMode));
}
