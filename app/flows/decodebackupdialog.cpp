#include "decodebackupdialog.h"

#include "xmessagebox.h"
#include "xprogressbar.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

class DecodeBackupDialogPrivate
{
public:
    XProgressBar *progress = nullptr;
};

DecodeBackupDialog::DecodeBackupDialog(QWidget *parent)
    : FDialog(parent)
    , d(new DecodeBackupDialogPrivate)
{
    setObjectName(QStringLiteral("DecodeBackupDialog"));
    d->progress = new XProgressBar(m_contentWidget);
    d->progress->setRange(0, 100);
    auto *title = new QLabel(QObject::tr("Decrypting iTunes backup...."), m_contentWidget);
    title->setStyleSheet(QStringLiteral("font-size:24px;color:#333333;line-height:30px;"));
    title->setAlignment(Qt::AlignCenter);
    auto *note = new QLabel(QObject::tr("Note: This will take some time, please be patient."), m_contentWidget);
    note->setStyleSheet(QStringLiteral("font-size:16px;color:#999999;line-height:20px;"));
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *layout = new QVBoxLayout(m_contentWidget);
    layout->setSpacing(0);
    layout->setContentsMargins(40, 0, 40, 0);
    layout->addWidget(title);
    layout->addSpacing(110);
    layout->addWidget(d->progress);
    layout->addSpacing(40);
    layout->addWidget(note);
    layout->addStretch();
    setFixedSize(680, 400);
}

DecodeBackupDialog::~DecodeBackupDialog() = default;

void DecodeBackupDialog::setValue(int value)
{
    d->progress->setValue(value);
}

void DecodeBackupDialog::setRange(int min, int max)
{
    d->progress->reset();
    d->progress->setValue(min);
    d->progress->setRange(min, max);
}

XProgressBar *DecodeBackupDialog::progressBar() const
{
    return d->progress;
}

void DecodeBackupDialog::done(int r)
{
    if (r == Done) {
        FDialog::done(r);
        return;
    }
    if (r != Cancelled)
        return;
    QPointer<DecodeBackupDialog> self(this);
    const int answer = XMessageBox::question(this, QString(),
                                             QObject::tr("You are decrypting your iTunes backup, do you want to cancel?"),
                                             {QObject::tr("Yes"), QObject::tr("Cancel")}, 1);
    // The decryption may have ended while the question was open.
    if (!self || !isVisible())
        return;
    if (answer == 1)
        FDialog::done(Cancelled);
}
