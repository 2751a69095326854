#include "xprogressbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>

class XProgressBarPrivate
{
public:
    QProgressBar *bar = nullptr;
    QLabel *label = nullptr;
};

XProgressBar::XProgressBar(QWidget *parent)
    : QWidget(parent)
    , d(new XProgressBarPrivate)
{
    d->bar = new QProgressBar(this);
    d->bar->setRange(0, 100);
    const int barHeight = 15;
    d->bar->setFixedHeight(barHeight);
    d->bar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    const int radius = barHeight / 2;
    d->bar->setStyleSheet(
        QStringLiteral("QProgressBar {background: #F2F2F2;border: 1px solid #F2F2F2;border-radius: %1px;text-align: "
                       "right;color: transparent;}QProgressBar::chunk {border-radius: %2px;background-color: "
                       "qlineargradient(spread:pad,x1:0,y1:0,x2:1,y2:0,stop:0 rgba(85,138,248,0.3), stop:1 "
                       "rgba(85,138,248,0.8));}")
            .arg(radius)
            .arg(radius));

    d->label = new QLabel(this);
    d->label->setStyleSheet(QStringLiteral("QLabel { font-size: 20px;font-weight: bold;color: #558AF8;}"));
    d->label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(15);
    layout->addWidget(d->bar);
    layout->addWidget(d->label);

    connect(d->bar, &QProgressBar::valueChanged, this, &XProgressBar::valueChanged);
    setValue(0);
}

XProgressBar::~XProgressBar() = default;

void XProgressBar::setRange(int minimum, int maximum)
{
    d->bar->setRange(minimum, maximum);
}

int XProgressBar::maximum() const
{
    return d->bar->maximum();
}

int XProgressBar::value() const
{
    return d->bar->value();
}

void XProgressBar::reset()
{
    d->bar->reset();
}

void XProgressBar::setValue(int value)
{
    const int shown = std::min(value, d->bar->maximum());
    d->bar->setValue(shown);
    // In double: an empty range (maximum not above minimum) shows 0.0%
    // rather than dividing by zero.
    const double percent =
        d->bar->maximum() > d->bar->minimum() && d->bar->maximum() != 0 ? double(shown) / d->bar->maximum() * 100.0
                                                                        : 0.0;
    d->label->setText(QStringLiteral("%1%").arg(percent, 0, 'f', 1));
    update();
}

void XProgressBar::setLabelPointSize(int pointSize)
{
    QFont f = d->label->font();
    f.setPointSize(pointSize);
    d->label->setFont(f);
}

void XProgressBar::setLabelVisible(bool visible)
{
    d->label->setVisible(visible);
}

QString XProgressBar::labelText() const
{
    return d->label->text();
}
