#include "loginicloudfrm.h"

#include "analyticstracker.h"
#include "applepages.h"
#include "fileutils.h"
#include "flowlinklabel.h"
#include "icloudgmailfrm.h"
#include "icloudhelp.h"
#include "icloudpasswordfrm.h"
#include "need2stepverifydialog.h"
#include "reachability.h"
#include "settingsentry.h"
#include "xbusyindicator.h"
#include "xmessagebox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegExpValidator>
#include <QVBoxLayout>

namespace
{
    const char *const kCategory = "RecoverfromiCloudBackup";

    QHBoxLayout *centredRow(QWidget *widget)
    {
        auto *row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(widget);
        row->addStretch();
        return row;
    }
}

class LoginiCloudFrmPrivate
{
public:
    iCloudGmailFrm *appleId = nullptr;
    iCloudPasswordFrm *password = nullptr;
    QLabel *title = nullptr;
    QLabel *note = nullptr;
    QLabel *error = nullptr;
    FlowLinkLabel *forgot = nullptr;
    XBusyIndicator *busy = nullptr;
    QPushButton *signIn = nullptr;
    bool busyState = false;
};

LoginiCloudFrm::LoginiCloudFrm(QWidget *parent)
    : VxkWidget(parent)
    , d(new LoginiCloudFrmPrivate)
{
    setObjectName(QStringLiteral("LoginiCloudFrm"));
    auto *logo = new QLabel(this);
    logo->setFixedSize(256, 80);
    logo->setScaledContents(true);
    logo->setPixmap(QPixmap(QStringLiteral(":/Images/%1").arg(QStringLiteral("iCloudLog.png"))));

    d->title = new QLabel(this);
    d->title->setStyleSheet(QStringLiteral("font-weight: bold;font-size:24px;color: #000000;"));
    d->appleId = new iCloudGmailFrm(this);
    d->appleId->setFixedSize(436, 50);
    d->password = new iCloudPasswordFrm(this);
    d->password->setFixedSize(436, 50);

    d->signIn = new QPushButton(this);
    d->signIn->setObjectName(QStringLiteral("FPushButton"));
    d->signIn->setFixedSize(436, 48);
    d->signIn->setEnabled(false);
    d->busy = new XBusyIndicator(d->signIn);
    d->busy->setFixedSize(32, 32);
    d->busy->setImage(QStringLiteral(":/Images/loading.png"), true);
    auto *buttonLayout = new QHBoxLayout(d->signIn);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->addStretch();
    buttonLayout->addWidget(d->busy);
    buttonLayout->addSpacing(30);

    // Admits what can still grow into an address; sign-in needs no full match.
    d->appleId->setValidator(new QRegExpValidator(
        QRegExp(QStringLiteral("\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*"), Qt::CaseSensitive,
                QRegExp::RegExp),
        this));

    d->note = new QLabel(this);
    d->note->setWordWrap(true);
    d->note->setFixedWidth(720);
    d->note->setStyleSheet(QStringLiteral("line-height: 20px;font-size:15px;color: #999999;"));
    d->forgot = new FlowLinkLabel(this);
    d->forgot->setObjectName(QStringLiteral("ForgotAppleIdLink"));
    d->error = new QLabel(this);
    d->error->setObjectName(QStringLiteral("LoginError"));
    d->error->setTextFormat(Qt::RichText);

    d->appleId->setText(
        SettingsEntry::instance()->value(SettingsKey::ICloudAccount, SettingsEntry::UserScope).toString());

    for (QWidget *own : {static_cast<QWidget *>(d->title), static_cast<QWidget *>(d->note),
                         static_cast<QWidget *>(d->forgot), static_cast<QWidget *>(d->signIn),
                         static_cast<QWidget *>(d->appleId), static_cast<QWidget *>(d->password),
                         static_cast<QWidget *>(d->appleId->lineEdit()),
                         static_cast<QWidget *>(d->password->lineEdit())})
        own->setProperty("@Bypassed", true);

    auto *passwordColumn = new QVBoxLayout;
    passwordColumn->setSpacing(0);
    passwordColumn->addWidget(d->password);
    passwordColumn->addSpacing(5);
    passwordColumn->addWidget(d->forgot, 0, Qt::AlignLeft);
    passwordColumn->addSpacing(10);
    passwordColumn->addWidget(d->error);
    auto *passwordRow = new QHBoxLayout;
    passwordRow->addStretch();
    passwordRow->addLayout(passwordColumn);
    passwordRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 35, 0, 30);
    layout->setSpacing(0);
    layout->addLayout(centredRow(logo));
    layout->addSpacing(30);
    layout->addLayout(centredRow(d->title));
    layout->addSpacing(30);
    layout->addLayout(centredRow(d->appleId));
    layout->addSpacing(20);
    layout->addLayout(passwordRow);
    layout->addSpacing(20);
    layout->addLayout(centredRow(d->signIn));
    layout->addStretch();
    layout->addLayout(centredRow(d->note));

    connect(d->appleId, &iCloudGmailFrm::textChanged, this, &LoginiCloudFrm::onFieldChanged);
    connect(d->password, &iCloudPasswordFrm::textChanged, this, &LoginiCloudFrm::onFieldChanged);
    connect(d->signIn, &QPushButton::clicked, this, &LoginiCloudFrm::signIn);
    connect(d->forgot, &QLabel::linkActivated, this, [] {
        trackEvent(kCategory, "Click_ForgotAppleIDorPassword");
        openUrl(ApplePages::accountRecoveryPage());
    });
    resetUI();
    onFieldChanged();
}

LoginiCloudFrm::~LoginiCloudFrm() = default;

void LoginiCloudFrm::setInit()
{
    trackEvent(kCategory, "EnteriCloudLoginPage");
}

void LoginiCloudFrm::resetUI()
{
    d->title->setText(QObject::tr("Sign into iCloud"));
    d->note->setText(QObject::tr(
        "Note:\n1. To prevent iCloud content from being changed, please don't connect the device to the computer.\n2. "
        "We take your privacy and security seriously and will never keep your Apple account details.\n3. Phone "
        "number is not supported at the moment! Please use email to sign into iCloud.\n"));
    d->forgot->setLinkText(QObject::tr(
        "<a style='color: #558AF8;font-weight: 400;font-size: 16px;'href=\"#\">Forgot Apple ID or Password?"));
    d->signIn->setText(QObject::tr("Sign in"));
    d->appleId->setPlaceholderText(QObject::tr("Apple ID"));
    d->password->setPlaceholderText(QObject::tr("Password"));
    d->appleId->lineEdit()->setAccessibleName(QObject::tr("Apple ID"));
    d->password->lineEdit()->setAccessibleName(QObject::tr("Password"));
    d->password->retranslate();
}

QString LoginiCloudFrm::account() const
{
    return d->appleId->text();
}

void LoginiCloudFrm::setErrorText(const QString &text)
{
    if (text.isEmpty())
        d->error->clear();
    else
        d->error->setText(QObject::tr("<font color=\"#e9006a\">%1</font>").arg(text.toHtmlEscaped()));
}

QString LoginiCloudFrm::errorText() const
{
    return d->error->text();
}

bool LoginiCloudFrm::isBusy() const
{
    return d->busyState;
}

iCloudGmailFrm *LoginiCloudFrm::appleIdFrame() const
{
    return d->appleId;
}

iCloudPasswordFrm *LoginiCloudFrm::passwordFrame() const
{
    return d->password;
}

QPushButton *LoginiCloudFrm::signInButton() const
{
    return d->signIn;
}

FlowLinkLabel *LoginiCloudFrm::forgotLink() const
{
    return d->forgot;
}

void LoginiCloudFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        resetUI();
    VxkWidget::changeEvent(event);
}

void LoginiCloudFrm::onFieldChanged()
{
    if (!d->busyState)
        d->signIn->setEnabled(!d->appleId->text().isEmpty() && !d->password->text().isEmpty());
}

void LoginiCloudFrm::setBusy(bool busy)
{
    d->busyState = busy;
    d->appleId->setEnabled(!busy);
    d->password->setEnabled(!busy);
    if (busy) {
        d->signIn->setEnabled(false);
        d->busy->start();
    } else {
        d->busy->stop();
        onFieldChanged();
    }
}

void LoginiCloudFrm::signIn()
{
    if (d->busyState)
        return;
    trackEvent(kCategory, "Click_Signin");
    setErrorText(QString());
    setBusy(true);
    QPointer<LoginiCloudFrm> self(this);
    const bool reachable = isNetworkReachable();
    if (!self)
        return;
    // Back stays enabled during the check: a page left meanwhile signs
    // nothing in.
    if (!isVisible()) {
        setBusy(false);
        return;
    }
    if (!reachable) {
        setBusy(false);
        trackEvent(kCategory, "LoginiCloudError", "NetworkAnomaly");
        XMessageBox::warning(this, QString(), QObject::tr("Please check your internet connection and try again!"),
                             {QObject::tr("OK")}, 1, false);
        return;
    }
    emit sigEnabledBackButton(false);
    const int result = iCloudHelp::instance()->login(d->appleId->text(), d->password->text());
    if (!self)
        return;
    switch (result) {
    case 0:
        trackEvent(kCategory, "EnterLoginSuccessPage");
        succeed();
        return;
    case 10:
        trackEvent(kCategory, "LoginiCloudOtherError");
        XMessageBox::warning(this, QString(), QObject::tr("Please check your internet connection and try again!"),
                             {QObject::tr("OK")}, 1, false);
        break;
    case 11:
        trackEvent(kCategory, "LoginiCloudError", "WrongAppleIDorPassword");
        setErrorText(QObject::tr("Your Apple ID or password is incorrect!"));
        break;
    case 12: {
        Need2StepVerifyDialog dialog(this);
        const int verified = dialog.exec();
        if (!self)
            return;
        if (verified == Need2StepVerifyDialog::Verified) {
            succeed();
            return;
        }
        break;
    }
    case NotAvailable:
        // Said plainly, and no invitation to try again.
        trackEvent(kCategory, "LoginiCloudOtherError");
        setErrorText(QObject::tr("iCloud is not available on this platform."));
        break;
    default:
        trackEvent(kCategory, "LoginiCloudOtherError");
        XMessageBox::information(
            this, QString(),
            QObject::tr("Login failed due to unknown reasons! Please check for <a style='color: #558AF8;font-weight: "
                        "400;font-size: 16px;'href=\"%1\">available solutions</a>.")
                .arg(ApplePages::signInHelpPage().toHtmlEscaped()),
            {QObject::tr("OK")}, 1, true);
        break;
    }
    fail();
}

void LoginiCloudFrm::succeed()
{
    setBusy(false);
    SettingsEntry::instance()->setValue(SettingsKey::ICloudAccount, d->appleId->text(), SettingsEntry::UserScope);
    emit sigLoginSucceed();
    emit sigEnabledBackButton(true);
}

void LoginiCloudFrm::fail()
{
    setBusy(false);
    // The fields were off meanwhile: the keyboard goes back to them.
    d->password->lineEdit()->setFocus(Qt::OtherFocusReason);
    emit sigEnabledBackButton(true);
}
