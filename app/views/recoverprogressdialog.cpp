#include "recoverprogressdialog.h"

#include "xbusyindicator.h"
#include "xlabel.h"
#include "xmessagebox.h"
#include "xprogressbar.h"
#include "xpushbutton.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace
{
    const QColor kTextColour(85, 85, 85);
    const QColor kGreen(8, 200, 118);

    // Counts as whole numbers; anything else in the shortest general form.
    QString countText(double value)
    {
        if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
            return QString::number(qint64(value));
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    }
}

class RecoverProgressDialogPrivate
{
public:
    XLabel *title = nullptr;
    XLabel *dots = nullptr;
    XLabel *counter = nullptr;
    XLabel *detail = nullptr;
    XProgressBar *bar = nullptr;
    QWidget *errorRow = nullptr;
    XLabel *error = nullptr;
    XBusyIndicator *busy = nullptr;
    XPushButton *cancel = nullptr;
    XPushButton *resume = nullptr;

    QString lead;
    QString item;
    QString tail;
    QTimer *dotTimer = nullptr;
    int dotCounter = 0;
    bool finished = false;

    // What the next refresh shows.
    QTimer refresh;
    double processed = 0;
    double total = 0;
    bool progressPending = false;
    QString detailText;
    bool detailPending = false;

    bool asking = false;       // the stop question is open
    bool closedEmitted = false; // sigDlgClosed went out in this run
};

RecoverProgressDialog::RecoverProgressDialog(QWidget *parent)
    : XDialog(parent)
    , d(new RecoverProgressDialogPrivate)
{
    setTrackActivation(true);
    setAccessibleName(tr("Exporting data"));

    auto *body = new QWidget(contentWidget());
    body->setMinimumWidth(500);
    d->title = new XLabel(body);
    d->title->setWordWrap(true);
    d->dots = new XLabel(body);
    d->dots->setFixedWidth(50);
    d->counter = new XLabel(body);
    d->counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    d->detail = new XLabel(body);
    d->detail->setWordWrap(true);
    d->detail->setMinimumHeight(40);
    // File names come from the device.
    d->detail->setTextFormat(Qt::PlainText);
    for (XLabel *label : {d->title, d->dots, d->counter, d->detail})
        label->setTextColor(kTextColour);
    d->bar = new XProgressBar(body);
    d->bar->setRange(0, 1000);

    d->errorRow = new QWidget(body);
    d->error = new XLabel(d->errorRow);
    d->error->setWordWrap(true);
    d->error->setMinimumHeight(40);
    d->error->setTextColor(Qt::red);
    d->busy = new XBusyIndicator(d->errorRow);
    d->busy->setFixedSize(30, 30);
    d->busy->setImage(QStringLiteral(":/Images/loading.png"), true);
    d->busy->hide();
    d->cancel = new XPushButton(d->errorRow);
    d->cancel->setFixedSize(80, 30);
    d->cancel->setBackgroundColors({Qt::white, kGreen, QColor(0, 144, 80), QColor(193, 193, 193)});
    d->cancel->setTextColors({kGreen, Qt::white, Qt::white, Qt::white});
    d->cancel->setBorderColors({kGreen, kGreen, QColor(0, 144, 80), QColor(193, 193, 193)});
    d->cancel->setBorderWidth(2);
    d->cancel->setRadius(6);
    d->resume = new XPushButton(d->errorRow);
    d->resume->setFixedSize(80, 30);
    d->resume->setBackgroundColors({kGreen, QColor(0, 159, 90), QColor(0, 144, 80), QColor(193, 193, 193)});
    d->resume->setTextColors({Qt::white, Qt::white, Qt::white, Qt::white});
    d->resume->setRadius(6);
    connect(d->cancel, &XPushButton::clicked, this, &RecoverProgressDialog::close);

    auto *errorLayout = new QHBoxLayout(d->errorRow);
    errorLayout->setContentsMargins(0, 15, 0, 0);
    errorLayout->addWidget(d->error, 1);
    errorLayout->addWidget(d->busy);
    errorLayout->addWidget(d->cancel);
    errorLayout->addWidget(d->resume);
    d->errorRow->hide();

    auto *firstRow = new QHBoxLayout;
    firstRow->setContentsMargins(0, 0, 48, 0);
    firstRow->setSpacing(0);
    firstRow->addWidget(d->title);
    firstRow->addWidget(d->dots);
    firstRow->addStretch();
    firstRow->addWidget(d->counter);

    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(25, 20, 25, 10);
    column->addLayout(firstRow);
    column->addWidget(d->bar);
    column->addWidget(d->detail);
    column->addWidget(d->errorRow);
    column->addStretch();

    auto *contentRow = new QHBoxLayout(contentWidget());
    contentRow->setContentsMargins(0, 0, 0, 0);
    contentRow->addWidget(body);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    d->refresh.setSingleShot(true);
    d->refresh.setInterval(RefreshMs);
    connect(&d->refresh, &QTimer::timeout, this, &RecoverProgressDialog::showPending);

    retranslateUi();
}

RecoverProgressDialog::~RecoverProgressDialog() = default;

void RecoverProgressDialog::restart()
{
    d->finished = false;
    d->closedEmitted = false;
    d->refresh.stop();
    d->processed = 0;
    d->total = 0;
    d->progressPending = false;
    d->detailPending = false;
    d->counter->setText(QStringLiteral("0/0"));
    d->bar->setValue(0);
    d->bar->repaint();
    d->detail->clear();
    retranslateUi();
    if (!d->dotTimer) {
        d->dotTimer = new QTimer(this);
        connect(d->dotTimer, &QTimer::timeout, this, &RecoverProgressDialog::advanceDots);
    }
    d->dotCounter = 2;
    d->dotTimer->start(DotsMs);
}

void RecoverProgressDialog::retranslateUi()
{
    d->title->setText(tr("Exporting data"));
    d->dots->setText(QStringLiteral("..."));
    d->cancel->setText(tr("Cancel"));
    d->resume->setText(tr("Continue"));
    setAccessibleName(tr("Exporting data"));
}

void RecoverProgressDialog::setProgress(double processed, double total, double)
{
    d->processed = processed;
    d->total = total;
    d->progressPending = true;
    if (!d->refresh.isActive())
        d->refresh.start();
}

QString RecoverProgressDialog::shortenedItem(const QString &item)
{
    if (item.size() < 15)
        return item;
    int head = 5;
    int tailStart = item.size() - 8;
    // Never split a character made of two UTF-16 units.
    if (item.at(head - 1).isHighSurrogate())
        ++head;
    if (item.at(tailStart).isLowSurrogate())
        --tailStart;
    return item.left(head) + QStringLiteral("...") + item.mid(tailStart);
}

void RecoverProgressDialog::setFileProcess(const QString &item, const QString &tail, const QString &lead)
{
    if (!lead.isEmpty())
        d->lead = lead;
    if (!item.isEmpty()) {
        const QString shown = shortenedItem(item);
        d->item = d->lead.isEmpty() ? shown : QStringLiteral(",") + shown;
    }
    if (!tail.isEmpty())
        d->tail = tail;
    rebuildDetail();
}

void RecoverProgressDialog::clearFileProcess(bool leadOnly)
{
    if (leadOnly) {
        d->lead.clear();
    } else {
        d->item.clear();
        d->tail.clear();
    }
    rebuildDetail();
}

void RecoverProgressDialog::rebuildDetail()
{
    const QString line = tr("Exporting data %1 %2 %3").arg(d->lead, d->item, d->tail);
    d->detailText = line.size() > 7 ? line : QString();
    d->detailPending = true;
    if (!d->refresh.isActive())
        d->refresh.start();
}

void RecoverProgressDialog::setFinished(bool finished)
{
    d->finished = finished;
    if (!finished)
        return;
    d->refresh.stop();
    showPending();
    // The export ended while the user was being asked whether to stop it.
    const QList<XMessageBox *> boxes = findChildren<XMessageBox *>();
    for (XMessageBox *box : boxes) {
        if (box->isVisible())
            box->done(0);
    }
}

void RecoverProgressDialog::reject()
{
    // Escape asks as the close button does.
    close();
}

bool RecoverProgressDialog::isFinished() const
{
    return d->finished;
}

void RecoverProgressDialog::showPending()
{
    if (d->progressPending) {
        d->progressPending = false;
        d->counter->setText(countText(d->processed) + QLatin1Char('/') + countText(d->total));
        // A total of 0 shows an empty bar.
        const double ratio = d->total > 0 ? d->processed / d->total : 0.0;
        d->bar->setValue(int(std::clamp(ratio, 0.0, 1.0) * 1000));
        d->bar->update();
    }
    if (d->detailPending) {
        d->detailPending = false;
        d->detail->setText(d->detailText);
    }
}

void RecoverProgressDialog::advanceDots()
{
    d->dots->setText(QString(d->dotCounter % 6 + 1, QLatin1Char('.')));
    ++d->dotCounter;
}

void RecoverProgressDialog::closeEvent(QCloseEvent *event)
{
    if (!d->finished) {
        if (d->asking) {
            event->ignore();
            return;
        }
        d->asking = true;
        const int answer = XMessageBox::question(this, QString(), tr("Exporting data, are you sure you want to stop?"),
                                                 {tr("Yes"), tr("Cancel")}, 1, false);
        d->asking = false;
        if (answer != 1 && !d->finished) {
            event->ignore();
            return;
        }
    }
    event->accept();
    // Once per run, however many ways the close arrives.
    if (!d->closedEmitted) {
        d->closedEmitted = true;
        emit sigDlgClosed();
    }
}
