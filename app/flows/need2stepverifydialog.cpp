#include "need2stepverifydialog.h"

#include "analyticstracker.h"
#include "applepages.h"
#include "fileutils.h"
#include "flowlinklabel.h"
#include "icloudhelp.h"
#include "vlog.h"
#include "xbusyindicator.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegExpValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
    const char *const kCategory = "RecoverfromiCloudBackup";
    const char *const kAction = "Enables two-step verification";
    const char *const kActive = "#558AF8";
    const char *const kWaiting = "#666666";
}

class Need2StepVerifyDialogPrivate
{
public:
    FlowLinkLabel *resend = nullptr;
    FlowLinkLabel *sms = nullptr;
    FlowLinkLabel *advice = nullptr;
    QVector<QLineEdit *> boxes;
    QPushButton *verify = nullptr;
    XBusyIndicator *busy = nullptr;
    QLabel *status = nullptr;
    QTimer resendTimer;
    QTimer smsTimer;
    int resendSeconds = 0;
    int smsSeconds = 0;
    bool smsRequested = false;
};

Need2StepVerifyDialog::Need2StepVerifyDialog(QWidget *parent)
    : FDialog(parent)
    , d(new Need2StepVerifyDialogPrivate)
{
    setObjectName(QStringLiteral("Need2StepVerifyDialog"));
    setFixedSize(650, 342);

    auto *instruction = new QLabel(m_contentWidget);
    instruction->setObjectName(QStringLiteral("TwoStepInstruction"));
    instruction->setStyleSheet(QStringLiteral("font-weight:bold;font-size:24px;color:#333333;"));
    instruction->setAlignment(Qt::AlignCenter);
    instruction->setWordWrap(true);
    instruction->setContextMenuPolicy(Qt::NoContextMenu);
    instruction->setText(QObject::tr("Two-factor authentication is enabled for this account. Please enter the "
                                     "verification code received on the device."));

    d->advice = new FlowLinkLabel(m_contentWidget);
    d->resend = new FlowLinkLabel(m_contentWidget);
    d->sms = new FlowLinkLabel(m_contentWidget);
    // These two act on a press of the mouse anywhere on them (the filter
    // below), from the keyboard through their Press.
    for (FlowLinkLabel *label : {d->resend, d->sms}) {
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->installEventFilter(this);
    }
    connect(d->resend, &QLabel::linkActivated, this, [this] { requestCode(false); });
    connect(d->sms, &QLabel::linkActivated, this, [this] { requestCode(true); });
    connect(d->advice, &QLabel::linkActivated, this, [] {
        trackEvent(kCategory, kAction, "GetAdvicefromApple");
        openUrl(ApplePages::twoFactorAdvicePage());
    });

    auto *boxRow = new QHBoxLayout;
    boxRow->setSpacing(24);
    boxRow->addStretch();
    for (int index = 0; index < 6; ++index) {
        auto *box = new QLineEdit(m_contentWidget);
        box->setObjectName(QStringLiteral("AuthCodeEdit"));
        box->setFixedSize(40, 40);
        box->setAlignment(Qt::AlignCenter);
        box->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("^?(1|[0-9])$"), Qt::CaseSensitive,
                                                       QRegExp::RegExp),
                                               box));
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, index](const QString &text) {
            if (index < 5 && !text.isEmpty())
                d->boxes.at(index + 1)->setFocus(Qt::OtherFocusReason);
        });
        // Any change, also one an assistive tool makes (it edits nothing).
        connect(box, &QLineEdit::textChanged, this, &Need2StepVerifyDialog::updateVerifyState);
        d->boxes << box;
        boxRow->addWidget(box);
    }
    boxRow->addStretch();

    d->verify = new QPushButton(m_contentWidget);
    d->verify->setObjectName(QStringLiteral("FPushButton"));
    d->verify->setFixedSize(140, 42);
    d->verify->setEnabled(false);
    d->busy = new XBusyIndicator(d->verify);
    d->busy->setFixedSize(22, 22);
    d->busy->setImage(QStringLiteral(":/Images/loading.png"), true);
    auto *verifyLayout = new QHBoxLayout(d->verify);
    verifyLayout->setContentsMargins(0, 0, 6, 0);
    verifyLayout->addStretch();
    verifyLayout->addWidget(d->busy);
    connect(d->verify, &QPushButton::clicked, this, &Need2StepVerifyDialog::verify);

    d->status = new QLabel(m_contentWidget);
    d->status->setObjectName(QStringLiteral("TwoStepStatus"));
    d->status->setTextFormat(Qt::RichText);
    d->status->setAlignment(Qt::AlignCenter);

    d->resendTimer.setInterval(1000);
    d->smsTimer.setInterval(1000);
    connect(&d->resendTimer, &QTimer::timeout, this, &Need2StepVerifyDialog::resendTick);
    connect(&d->smsTimer, &QTimer::timeout, this, &Need2StepVerifyDialog::smsTick);

    auto *linkRow = new QHBoxLayout;
    linkRow->addStretch();
    linkRow->addWidget(d->resend);
    linkRow->addSpacing(30);
    linkRow->addWidget(d->sms);
    linkRow->addSpacing(30);
    linkRow->addWidget(d->advice);
    linkRow->addStretch();
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(d->verify);
    buttonRow->addStretch();

    auto *layout = new QVBoxLayout(m_contentWidget);
    layout->setContentsMargins(40, 0, 40, 10);
    layout->setSpacing(0);
    layout->addWidget(instruction);
    layout->addSpacing(24);
    layout->addLayout(boxRow);
    layout->addSpacing(8);
    layout->addWidget(d->status);
    layout->addSpacing(8);
    layout->addLayout(linkRow);
    layout->addStretch();
    layout->addSpacing(10);
    layout->addLayout(buttonRow);

    retranslate();
    setLinkState(false, 0);
    setLinkState(true, 0);
    trackEvent(kCategory, kAction, "Popup_VerificationWindows");
}

Need2StepVerifyDialog::~Need2StepVerifyDialog() = default;

QVector<QLineEdit *> Need2StepVerifyDialog::digitBoxes() const
{
    return d->boxes;
}

QPushButton *Need2StepVerifyDialog::verifyButton() const
{
    return d->verify;
}

FlowLinkLabel *Need2StepVerifyDialog::resendLink() const
{
    return d->resend;
}

FlowLinkLabel *Need2StepVerifyDialog::smsLink() const
{
    return d->sms;
}

FlowLinkLabel *Need2StepVerifyDialog::adviceLink() const
{
    return d->advice;
}

QString Need2StepVerifyDialog::statusText() const
{
    return d->status->text();
}

bool Need2StepVerifyDialog::smsRequested() const
{
    return d->smsRequested;
}

bool Need2StepVerifyDialog::isResendCounting() const
{
    return d->resendTimer.isActive();
}

bool Need2StepVerifyDialog::isSmsCounting() const
{
    return d->smsTimer.isActive();
}

void Need2StepVerifyDialog::resendTick()
{
    tick(false);
}

void Need2StepVerifyDialog::smsTick()
{
    tick(true);
}

bool Need2StepVerifyDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched == d->resend || watched == d->sms)) {
        auto *label = static_cast<FlowLinkLabel *>(watched);
        if (label->isEnabled())
            requestCode(label == d->sms);
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Backspace) {
        const int index = d->boxes.indexOf(qobject_cast<QLineEdit *>(watched));
        if (index >= 1 && d->boxes.at(index)->text().isEmpty()) {
            d->boxes.at(index - 1)->setFocus(Qt::OtherFocusReason);
            updateVerifyState();
        }
    }
    return FDialog::eventFilter(watched, event);
}

void Need2StepVerifyDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FDialog::changeEvent(event);
}

void Need2StepVerifyDialog::retranslate()
{
    d->advice->setLinkText(QObject::tr("<a style='color: #558AF8;;font-size: 16px;'href = \"#\">Apple advice"));
    for (int index = 0; index < d->boxes.size(); ++index)
        d->boxes.at(index)->setAccessibleName(QObject::tr("Digit %1").arg(index + 1));
    d->verify->setText(QObject::tr("Verify"));
    setLinkState(false, d->resendTimer.isActive() ? d->resendSeconds : 0);
    setLinkState(true, d->smsTimer.isActive() ? d->smsSeconds : 0);
}

void Need2StepVerifyDialog::requestCode(bool viaSms)
{
    FlowLinkLabel *label = viaSms ? d->sms : d->resend;
    // A press on a label that counts down lands on a disabled label.
    if (!label->isEnabled())
        return;
    trackEvent(kCategory, kAction, viaSms ? "Click_MessageCode" : "Click_SendAgain");
    int &seconds = viaSms ? d->smsSeconds : d->resendSeconds;
    seconds = CoolDownSeconds;
    (viaSms ? d->smsTimer : d->resendTimer).start();
    label->setEnabled(false);
    setLinkState(viaSms, CoolDownSeconds);
    if (viaSms)
        d->smsRequested = true;
    iCloudHelp::instance()->requestSecurityCodeAsync(viaSms ? 1 : 0);
}

void Need2StepVerifyDialog::tick(bool viaSms)
{
    int &seconds = viaSms ? d->smsSeconds : d->resendSeconds;
    FlowLinkLabel *label = viaSms ? d->sms : d->resend;
    if (seconds <= 0) {
        (viaSms ? d->smsTimer : d->resendTimer).stop();
        label->setEnabled(true);
        setLinkState(viaSms, 0);
        return;
    }
    setLinkState(viaSms, seconds);
    --seconds;
}

void Need2StepVerifyDialog::setLinkState(bool viaSms, int secondsLeft)
{
    FlowLinkLabel *label = viaSms ? d->sms : d->resend;
    const QString colour = QLatin1String(secondsLeft > 0 ? kWaiting : kActive);
    //: Seconds left before a new code can be asked for, after the link's text.
    const QString count = secondsLeft > 0 ? QObject::tr("(%1s)").arg(secondsLeft) : QString();
    label->setLinkText(viaSms ? QObject::tr("<a style='color:%1;font-size:16px;'href=\"#\">SMS code%2").arg(colour, count)
                              : QObject::tr("<a style='color:%1;font-size:16px;'href=\"#\">Resend a code%2")
                                    .arg(colour, count));
    // The name stays while the seconds count down.
    label->setAccessibleName(viaSms ? QObject::tr("SMS code") : QObject::tr("Resend a code"));
    label->setAccessibleDescription(count);
}

void Need2StepVerifyDialog::updateVerifyState()
{
    bool filled = true;
    for (const QLineEdit *box : qAsConst(d->boxes))
        filled = filled && !box->text().isEmpty();
    d->verify->setEnabled(filled && !iCloudHelp::instance()->isVerifying());
}

void Need2StepVerifyDialog::verify()
{
    trackEvent(kCategory, kAction, "Click_Verify");
    vlogInfo(QStringLiteral("Clicked Verify Button..."));
    iCloudHelp *help = iCloudHelp::instance();
    if (help->isVerifying())
        return;
    d->status->clear();
    d->busy->start();
    d->verify->setEnabled(false);
    for (QLineEdit *box : qAsConst(d->boxes))
        box->setEnabled(false);
    QString code;
    for (const QLineEdit *box : qAsConst(d->boxes))
        code += box->text();

    QPointer<Need2StepVerifyDialog> self(this);
    const int result = help->verifySecurityCode(code, d->smsRequested);
    // Closed while it waited: what the check answers changes nothing.
    if (!self || !isVisible())
        return;
    if (result == 0) {
        done(Verified);
        return;
    }
    trackEvent(kCategory, kAction, "WrongTwo-stepVerification");
    d->busy->stop();
    for (QLineEdit *box : qAsConst(d->boxes))
        box->setEnabled(true);
    updateVerifyState();
    d->status->setText(result == 15 ? QObject::tr("<font color=\"#e9006a\">Frequent verification, try later!</font>")
                                    : QObject::tr("<font color=\"#e9006a\">Incorrect verification code!</font>"));
    // The boxes were off meanwhile: the keyboard goes back to them.
    d->boxes.last()->setFocus(Qt::OtherFocusReason);
}
