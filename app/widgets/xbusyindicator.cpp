#include "xbusyindicator.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

class XBusyIndicatorPrivate
{
public:
    QPixmap source; // as loaded, so repeated resizes never scale a scaled copy
    QPixmap image;
    QTimer *timer = nullptr;
    int angle = 0;
    int interval = XBusyIndicator::DefaultInterval;
    bool scaleToFit = false;
};

XBusyIndicator::XBusyIndicator(QWidget *parent)
    : QWidget(parent)
    , d(new XBusyIndicatorPrivate)
{
    d->timer = new QTimer(this);
    connect(d->timer, &QTimer::timeout, this, &XBusyIndicator::advance);
    // The program's texts are translated in one context, "QObject".
    setAccessibleName(QObject::tr("Loading"));
    hide();
}

XBusyIndicator::~XBusyIndicator() = default;

void XBusyIndicator::setImage(const QString &path, bool scaleToFit)
{
    d->source = QPixmap(path);
    d->image = d->source;
    d->scaleToFit = scaleToFit;
    fitImage();
    update();
}

QPixmap XBusyIndicator::image() const
{
    return d->image;
}

void XBusyIndicator::start(int interval)
{
    d->interval = interval == -1 ? DefaultInterval : interval;
    d->timer->start(d->interval);
    if (isHidden()) {
        show();
        raise();
    }
}

void XBusyIndicator::stop()
{
    hide();
    if (d->timer->isActive())
        d->timer->stop();
}

bool XBusyIndicator::isRunning() const
{
    return d->timer->isActive();
}

int XBusyIndicator::angle() const
{
    return d->angle;
}

void XBusyIndicator::advance()
{
    d->angle += Step;
    if (d->angle > 360)
        d->angle = Step;
    update();
}

void XBusyIndicator::fitImage()
{
    if (d->scaleToFit && !d->source.isNull() && width() > 1 && height() > 1)
        d->image = d->source.scaled(width() - 1, height() - 1, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void XBusyIndicator::paintEvent(QPaintEvent *)
{
    if (d->image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(width() / 2, height() / 2);
    painter.rotate(d->angle);
    painter.translate(-(width() / 2), -(height() / 2));
    painter.drawPixmap((width() - d->image.width()) / 2, (height() - d->image.height()) / 2, d->image);
}

void XBusyIndicator::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(QObject::tr("Loading"));
    QWidget::changeEvent(event);
}

void XBusyIndicator::resizeEvent(QResizeEvent *event)
{
    fitImage();
    QWidget::resizeEvent(event);
}
