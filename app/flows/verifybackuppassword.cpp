#include "verifybackuppassword.h"

#include "fileutils.h"
#include "flowlinklabel.h"
#include "flowlinks.h"
#include "mobiledevicebackupmanager.h"
#include "mobiledeviceconnect.h"
#include "processutils.h"
#include "xbusyindicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

namespace
{
    const char *const kStatusStyle = "font-size: 16px;color: #333333;";
    const char *const kFailureStyle = "font-size: 16px;color: #DF2828;";
}

class verifyBackupPasswordPrivate
{
public:
    QLineEdit *password = nullptr;
    QPushButton *decrypt = nullptr;
    XBusyIndicator *busy = nullptr;
    QLabel *status = nullptr;
    QString backupPath;
    QString cryptPath;
    bool iTunesBackup = false;
    bool keepEncryption = false;
    bool checking = false;
    bool closed = false;
};

verifyBackupPassword::verifyBackupPassword(bool iTunesBackup, bool keepEncryption, QWidget *parent)
    : FDialog(parent)
    , d(new verifyBackupPasswordPrivate)
{
    setObjectName(QStringLiteral("verifyBackupPassword"));
    d->iTunesBackup = iTunesBackup;
    d->keepEncryption = keepEncryption;

    auto *title = new QLabel(QObject::tr("It detected your iTunes backup is encrypted, please enter your password."),
                             m_contentWidget);
    title->setStyleSheet(QStringLiteral("font-size: 24px;color: #333333;"));
    title->setWordWrap(true);
    title->setFixedWidth(602);
    title->setAlignment(Qt::AlignCenter);

    d->password = new QLineEdit(m_contentWidget);
    d->password->setObjectName(QStringLiteral("PasswordEdit"));
    d->password->setFixedSize(447, 36);
    d->password->setAlignment(Qt::AlignCenter);
    d->password->setPlaceholderText(QObject::tr("Enter password"));
    d->password->setAccessibleName(QObject::tr("Enter password"));
    d->password->setStyleSheet(QStringLiteral(
        "color: #999999; font-size: 20px;border-radius: 0px; border:none; border-bottom:1px solid #DEDEDE;"));

    d->decrypt = new QPushButton(QObject::tr("Decrypt"), m_contentWidget);
    d->decrypt->setObjectName(QStringLiteral("FPushButton"));
    d->decrypt->setFixedSize(144, 40);
    d->decrypt->setEnabled(false);

    d->busy = new XBusyIndicator(m_contentWidget);
    d->busy->setFixedSize(22, 22);
    d->busy->setImage(QStringLiteral(":/Images/loading.png"), true);
    d->busy->hide();
    d->status = new QLabel(m_contentWidget);
    d->status->setObjectName(QStringLiteral("PasswordStatus"));
    d->status->setFixedHeight(22);

    auto *link = new FlowLinkLabel(m_contentWidget);
    link->setAlignment(Qt::AlignCenter);
    link->setLinkText(QObject::tr("<a style='color:#558AF8;font-size:16px;'href=\"%1\">Forget iTunes backup password?")
                      .arg(FlowLinks::forgottenPasswordGuide().toHtmlEscaped()));
    link->setProperty("@Bypassed", true);
    connect(link, &QLabel::linkActivated, this, [](const QString &address) { openUrl(address); });

    auto *titleRow = new QHBoxLayout;
    titleRow->addStretch();
    titleRow->addWidget(title);
    titleRow->addStretch();
    auto *statusRow = new QHBoxLayout;
    statusRow->setContentsMargins(0, 0, 0, 0);
    statusRow->setSpacing(0);
    statusRow->addWidget(d->busy);
    statusRow->addSpacing(5);
    statusRow->addWidget(d->status);
    statusRow->addStretch();
    auto *field = new QVBoxLayout;
    field->setSpacing(0);
    field->addWidget(d->password);
    field->addSpacing(5);
    field->addLayout(statusRow);
    auto *fieldRow = new QHBoxLayout;
    fieldRow->addStretch();
    fieldRow->addLayout(field);
    fieldRow->addStretch();
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(d->decrypt);
    buttonRow->addStretch();

    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    column->addLayout(titleRow);
    column->addStretch();
    column->addLayout(fieldRow);
    column->addSpacing(50);
    column->addLayout(buttonRow);
    column->addSpacing(14);
    column->addWidget(link);
    column->addSpacing(23);
    auto *outer = new QHBoxLayout(m_contentWidget);
    outer->addStretch();
    outer->addLayout(column);
    outer->addStretch();

    setFixedSize(680, 400);

    connect(d->password, &QLineEdit::textChanged, this, &verifyBackupPassword::onTextChanged);
    connect(d->decrypt, &QPushButton::clicked, this, &verifyBackupPassword::verify);
}

verifyBackupPassword::~verifyBackupPassword() = default;

void verifyBackupPassword::setBackupPaths(const QString &backupPath, const QString &cryptPath)
{
    d->backupPath = backupPath;
    d->cryptPath = cryptPath;
}

void verifyBackupPassword::done(int r)
{
    if (r == Closed) {
        // The password program the device-connection library runs for a
        // check: ended, the waiting check returns.
        killProcessByName(QStringLiteral("idevicebackup2.exe"));
    } else if (r != Accepted) {
        return;
    }
    d->closed = true;
    FDialog::done(r);
}

QLineEdit *verifyBackupPassword::passwordEdit() const
{
    return d->password;
}

QPushButton *verifyBackupPassword::decryptButton() const
{
    return d->decrypt;
}

QString verifyBackupPassword::statusText() const
{
    return d->status->text();
}

bool verifyBackupPassword::isChecking() const
{
    return d->checking;
}

void verifyBackupPassword::onTextChanged(const QString &text)
{
    d->decrypt->setEnabled(!text.isEmpty());
    if (text.isEmpty())
        d->status->clear();
}

void verifyBackupPassword::verify()
{
    if (d->checking)
        return;
    d->checking = true;
    d->closed = false;
    d->busy->start();
    d->status->setStyleSheet(QString::fromLatin1(kStatusStyle));
    d->status->setText(QObject::tr("Verifying password, please wait..."));
    d->decrypt->setEnabled(false);
    d->password->setEnabled(false);

    // As typed: a password may begin or end with spaces.
    const QString password = d->password->text();
    QPointer<verifyBackupPassword> self(this);
    bool ok = false;
    if (d->iTunesBackup) {
        ok = MobileDeviceBackupManager::instance()->decryptBackup(d->backupPath, d->cryptPath, password);
    } else if (MobileDeviceConnect *devices = MobileDeviceConnect::instance()) {
        ok = d->keepEncryption ? devices->verifyDeviceBackupPassword(password)
                               : devices->removeDeviceBackupPassword(password);
    }
    // The check served events meanwhile: the dialog may have been closed.
    if (!self)
        return;
    d->checking = false;
    if (d->closed)
        return;
    if (ok) {
        done(Accepted);
        return;
    }
    d->busy->stop();
    d->status->setStyleSheet(QString::fromLatin1(kFailureStyle));
    d->status->setText(QObject::tr("Wrong password"));
    d->decrypt->setEnabled(true);
    d->password->setEnabled(true);
    d->password->setFocus();
}
