#include "retryafterdialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVariant>

class RetryAfterDialogPrivate
{
public:
    QLabel *digits = nullptr;
    int remaining = 0;
    QTimer *timer = nullptr;
};

RetryAfterDialog::RetryAfterDialog(QWidget *parent)
    : QWidget(parent)
    , d(new RetryAfterDialogPrivate)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(162, 62);

    d->digits = new QLabel(this);
    // Digits need no translation: the retranslation of the window skips them.
    d->digits->setProperty("@Bypassed", true);
    d->digits->setStyleSheet(QStringLiteral("font-weight:bold;font-size:20px;color: #333333;"));
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(d->digits);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(row);
    layout->addStretch();

    d->timer = new QTimer(this);
    connect(d->timer, &QTimer::timeout, this, &RetryAfterDialog::onTick);
    hide();
}

RetryAfterDialog::~RetryAfterDialog() = default;

void RetryAfterDialog::start(int seconds)
{
    d->remaining = seconds;
    d->digits->setNum(seconds);
    d->timer->start(1000);
    if (QWidget *parent = parentWidget())
        move(parent->width() / 2 - width() / 2, parent->height() / 2 - height() / 2);
    show();
}

void RetryAfterDialog::reset()
{
    d->remaining = 0;
}

int RetryAfterDialog::remaining() const
{
    return d->remaining;
}

QString RetryAfterDialog::text() const
{
    return d->digits->text();
}

void RetryAfterDialog::onTick()
{
    --d->remaining;
    if (d->remaining < 1) {
        d->timer->stop();
        d->digits->clear();
        hide();
        emit sigRetryafte();
        return;
    }
    d->digits->setNum(d->remaining);
}

void RetryAfterDialog::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);
    painter.setBrush(QColor(192, 192, 192, 200));
    painter.drawRoundedRect(QRectF(rect().adjusted(0, 0, -1, -1)), 6.0, 6.0);
    painter.end();
    QWidget::paintEvent(event);
}
