#include "recoverfromicloud.h"

#include "analyticstracker.h"
#include "deviceparser.h"
#include "flowlinklabel.h"
#include "icloudhelp.h"
#include "icloudstartingpage.h"
#include "loginicloudfrm.h"
#include "settingsentry.h"
#include "xmessagebox.h"

#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

class RecoverFromiCloudPrivate
{
public:
    QStackedLayout *stack = nullptr;
    QPushButton *back = nullptr;
    QPushButton *download = nullptr;
    FlowLinkLabel *account = nullptr;
    LoginiCloudFrm *login = nullptr;
    iCloudStartingPage *types = nullptr;
};

RecoverFromiCloud::RecoverFromiCloud(QWidget *parent)
    : ModuleBaseFrm(parent)
    , d(new RecoverFromiCloudPrivate)
{
    setObjectName(QStringLiteral("RecoverFromiCloud"));
    auto *pages = new QWidget(this);
    d->login = new LoginiCloudFrm(pages);
    d->types = new iCloudStartingPage(pages);
    d->stack = new QStackedLayout(pages);
    d->stack->addWidget(d->login);
    d->stack->addWidget(d->types);

    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("backgroundWidget"));
    bar->setFixedHeight(68);
    bar->setStyleSheet(
        QStringLiteral("QFrame#backgroundWidget{border-top: 2px solid rgb(240,240,240);background: #FFFFFF;}"));
    d->back = new QPushButton(bar);
    d->back->setObjectName(QStringLiteral("BackButton"));
    d->back->setFixedSize(100, 36);
    d->account = new FlowLinkLabel(bar);
    d->account->setObjectName(QStringLiteral("AccountLabel"));
    d->account->hide();
    d->download = new QPushButton(bar);
    d->download->setObjectName(QStringLiteral("FPushButton"));
    d->download->setFixedSize(154, 36);
    d->download->hide();
    for (QWidget *own : {static_cast<QWidget *>(d->account), static_cast<QWidget *>(d->back),
                         static_cast<QWidget *>(d->download)})
        own->setProperty("@Bypassed", true);
    auto *barRow = new QHBoxLayout(bar);
    barRow->setContentsMargins(0, 0, 0, 0);
    barRow->setSpacing(0);
    barRow->addSpacing(10);
    barRow->addWidget(d->back);
    barRow->addSpacing(60);
    barRow->addWidget(d->account);
    barRow->addStretch();
    barRow->addWidget(d->download);
    barRow->addSpacing(10);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pages);
    layout->addWidget(bar);

    connect(d->back, &QPushButton::clicked, this, &RecoverFromiCloud::onBackClicked);
    connect(d->download, &QPushButton::clicked, this, &RecoverFromiCloud::download);
    connect(d->stack, &QStackedLayout::currentChanged, this, &RecoverFromiCloud::onPageChanged);
    connect(d->account, &QLabel::linkActivated, this, &RecoverFromiCloud::signOut);
    connect(d->types, &iCloudStartingPage::sigSelectState, d->download, &QPushButton::setEnabled);
    connect(d->login, &LoginiCloudFrm::sigEnabledBackButton, d->back, &QPushButton::setEnabled);
    connect(d->login, &LoginiCloudFrm::sigLoginSucceed, this, [this] { d->stack->setCurrentIndex(1); });
    resetUI();
}

RecoverFromiCloud::~RecoverFromiCloud() = default;

void RecoverFromiCloud::setInit()
{
    if (d->stack->currentIndex() != 0)
        d->stack->setCurrentIndex(0);
    else
        onPageChanged(0);
}

void RecoverFromiCloud::resetUI()
{
    for (int index = 0; index < d->stack->count(); ++index) {
        if (auto *page = qobject_cast<VxkWidget *>(d->stack->widget(index)))
            page->resetUI();
    }
    updateAccountText();
    d->download->setText(QObject::tr("Download"));
    d->back->setText(QObject::tr("Back"));
}

void RecoverFromiCloud::onPageChanged(int index)
{
    if (auto *page = qobject_cast<VxkWidget *>(d->stack->widget(index)))
        page->setInit();
    if (d->stack->widget(index) == d->types) {
        updateAccountText();
        d->account->show();
        d->download->show();
        d->download->setEnabled(d->types->hasSelection());
    } else {
        d->account->hide();
        d->download->hide();
    }
}

void RecoverFromiCloud::updateAccountText()
{
    // The Apple ID is the user's text: escaped inside our markup.
    d->account->setLinkText(QObject::tr("%1<a style='color: #558AF8;font-weight: 400;font-size: 16px;'href=\"#\">(Sign out)")
                                .arg(d->login->account().toHtmlEscaped()));
}

void RecoverFromiCloud::onBackClicked()
{
    if (d->stack->currentWidget() == d->login) {
        d->login->setErrorText(QString());
        emit sigBackButtonClicked();
        return;
    }
    const int answer =
        XMessageBox::question(this, QString(),
                              QObject::tr("Are you sure you want to return? You will need to re-sign into iCloud "
                                          "after returning."),
                              {QObject::tr("Return"), QObject::tr("Cancel")}, 1, false);
    if (answer != 1)
        return;
    iCloudHelp::instance()->clearLoginInfo();
    d->stack->setCurrentIndex(0);
}

void RecoverFromiCloud::signOut()
{
    trackEvent("RecoverfromiCloudBackup", "SignOutAppleIDSituation");
    iCloudHelp::instance()->clearLoginInfo();
    d->stack->setCurrentIndex(0);
}

void RecoverFromiCloud::download()
{
    trackEvent("iCloudDownloadSituation", "Click_Download");
    DeviceParser::instance()->setScanCategories(0, d->types->selectedCategories());
    SettingsEntry *settings = SettingsEntry::instance();
    const QString root = settings->backupRootPath();
    const QString folder = QStringLiteral("%1/VXBackup_%2").arg(root).arg(quint64(QDateTime::currentSecsSinceEpoch()));
    settings->addCleanupPath(root);
    settings->addCleanupPath(folder);
    emit sigJumptoScanDataView(folder);
    d->stack->setCurrentIndex(1);
}

LoginiCloudFrm *RecoverFromiCloud::loginPage() const
{
    return d->login;
}

iCloudStartingPage *RecoverFromiCloud::typePage() const
{
    return d->types;
}

QStackedLayout *RecoverFromiCloud::stack() const
{
    return d->stack;
}

QPushButton *RecoverFromiCloud::backButton() const
{
    return d->back;
}

QPushButton *RecoverFromiCloud::downloadButton() const
{
    return d->download;
}

FlowLinkLabel *RecoverFromiCloud::accountLabel() const
{
    return d->account;
}
