#include "xdiybtn.h"

#include "ximagebox.h"
#include "xlabel.h"

#include <QAccessible>
#include <QGraphicsDropShadowEffect>
#include <QMouseEvent>
#include <QVBoxLayout>

class XDiyBtnPrivate
{
public:
    bool pressed = false;
    bool hovered = false;
    bool checked = false;
    XImageBox *image = nullptr;
    XLabel *text = nullptr;
    QWidget *card = nullptr;
    QVBoxLayout *cardLayout = nullptr;
    QVBoxLayout *outerLayout = nullptr;
};

XDiyBtn::XDiyBtn(QWidget *parent)
    : QWidget(parent)
    , d(new XDiyBtnPrivate)
{
    d->card = new QWidget(this);
    d->card->setObjectName(QStringLiteral("shadowWidget"));
    d->card->setMouseTracking(true);

    d->image = new XImageBox(d->card);
    d->image->setMinimumSize(40, 40);
    d->text = new XLabel(d->card);
    d->text->setAlignment(Qt::AlignCenter);
    d->text->setWordWrap(true);
    d->text->setTextFormat(Qt::PlainText);
    d->text->setTextColor(QColor(51, 51, 51));

    d->cardLayout = new QVBoxLayout(d->card);
    d->cardLayout->setContentsMargins(5, 15, 5, 15);
    d->cardLayout->setSpacing(25);
    d->cardLayout->addWidget(d->image, 0, Qt::AlignHCenter);
    d->cardLayout->addWidget(d->text);
    d->cardLayout->addStretch();

    d->outerLayout = new QVBoxLayout(this);
    d->outerLayout->setContentsMargins(10, 10, 10, 10);
    d->outerLayout->addWidget(d->card);

    applyLook();
}

XDiyBtn::~XDiyBtn() = default;

void XDiyBtn::setImage(const QString &path, const QSize &size)
{
    if (size.isValid())
        d->image->setFixedSize(size);
    d->image->setImage(path, false);
}

void XDiyBtn::setText(const QString &text)
{
    d->text->setText(text);
    setAccessibleName(text);
}

QString XDiyBtn::text() const
{
    return d->text->text();
}

void XDiyBtn::setFont(int pointSize, bool bold)
{
    d->text->setFont(pointSize, bold);
}

void XDiyBtn::setChecked(bool checked)
{
    if (d->checked == checked)
        return;
    emit checkChanged();
    d->checked = checked;
    applyLook();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

bool XDiyBtn::isChecked() const
{
    return d->checked;
}

bool XDiyBtn::isCheckable() const
{
    return true;
}

bool XDiyBtn::isPressed() const
{
    return d->pressed;
}

void XDiyBtn::click()
{
    if (!isEnabled())
        return;
    if (!d->checked)
        setChecked(true);
    emit clicked();
}

void XDiyBtn::applyLook()
{
    const bool lit = d->hovered || d->checked;
    auto *shadow = new QGraphicsDropShadowEffect(d->card);
    shadow->setOffset(0, 0);
    shadow->setBlurRadius(10);
    shadow->setColor(lit ? QColor(111, 227, 165) : QColor(200, 200, 200));
    // setGraphicsEffect deletes the effect it replaces.
    d->card->setGraphicsEffect(shadow);
    d->card->setStyleSheet(
        lit ? QStringLiteral("QWidget#shadowWidget {background-color: rgb(229,245,242);border: 1px solid "
                             "rgb(229,245,242);border-radius: 16px;}")
            : QStringLiteral("QWidget#shadowWidget {background-color: rgb(255,255,255);border: 1px solid "
                             "rgb(255,255,255);border-radius: 16px;}"));
}

void XDiyBtn::enterEvent(QEvent *event)
{
    d->hovered = true;
    d->outerLayout->setContentsMargins(5, 5, 5, 5);
    applyLook();
    emit entered();
    QWidget::enterEvent(event);
}

void XDiyBtn::leaveEvent(QEvent *event)
{
    d->hovered = false;
    d->outerLayout->setContentsMargins(10, 10, 10, 10);
    applyLook();
    emit leaved();
    QWidget::leaveEvent(event);
}

void XDiyBtn::mousePressEvent(QMouseEvent *event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    d->pressed = true;
    update();
    event->accept();
}

void XDiyBtn::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isEnabled() || !d->pressed) {
        event->ignore();
        return;
    }
    d->pressed = false;
    update();
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        click();
    event->accept();
}
