#include "oneclickwidget.h"

#include "ximagebox.h"
#include "xlabel.h"

#include <QBoxLayout>
#include <QMouseEvent>

class OneClickWidgetPrivate
{
public:
    bool pressed = false;
    bool hovered = false;
    int layoutKind = 0;
    XImageBox *image = nullptr;
    XLabel *title = nullptr;
    XLabel *description = nullptr;
    QWidget *frame = nullptr;
    QBoxLayout *frameLayout = nullptr;
};

OneClickWidget::OneClickWidget(int layoutKind, QWidget *parent)
    : QWidget(parent)
    , d(new OneClickWidgetPrivate)
{
    d->layoutKind = layoutKind;
    d->image = new XImageBox(this);
    d->image->setMinimumSize(60, 60);
    d->title = new XLabel(this);
    d->title->setWordWrap(true);
    d->title->setTextFormat(Qt::PlainText);
    d->description = new XLabel(this);
    d->description->setWordWrap(true);
    d->description->setTextFormat(Qt::PlainText);
    d->frame = new QWidget(this);
    d->frame->setObjectName(QStringLiteral("ModuleStyleFrm"));
    d->frame->setAttribute(Qt::WA_StyledBackground);

    if (layoutKind == 0 || layoutKind == 2) {
        const bool tall = layoutKind == 0;
        d->title->setAlignment(Qt::AlignCenter);
        d->description->setAlignment(Qt::AlignCenter);
        auto *column = new QVBoxLayout(d->frame);
        column->setContentsMargins(5, 0, 5, 0);
        column->setSpacing(0);
        column->addSpacing(tall ? 78 : 15);
        column->addWidget(d->image, 0, Qt::AlignHCenter);
        column->addSpacing(tall ? 38 : 10);
        column->addWidget(d->title);
        column->addSpacing(tall ? 20 : 10);
        column->addWidget(d->description);
        column->addStretch();
        d->frameLayout = column;
    } else {
        auto *row = new QHBoxLayout(d->frame);
        row->setContentsMargins(36, 25, 36, 25);
        row->setSpacing(10);
        row->addWidget(d->image, 0, Qt::AlignVCenter);
        auto *texts = new QVBoxLayout;
        texts->setContentsMargins(0, 0, 0, 0);
        texts->setSpacing(0);
        texts->addStretch();
        texts->addWidget(d->title);
        texts->addSpacing(10);
        texts->addWidget(d->description);
        texts->addStretch();
        row->addLayout(texts);
        d->frameLayout = row;
    }
    applyLook();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->frame);
}

OneClickWidget::~OneClickWidget() = default;

void OneClickWidget::setIcon(const QPixmap &pixmap, const QSize &size)
{
    if (size.isValid())
        d->image->setFixedSize(size);
    d->image->setPixmap(pixmap);
}

void OneClickWidget::setIconPath(const QString &path, const QSize &size, bool stretch)
{
    if (size.isValid())
        d->image->setFixedSize(size);
    d->image->setImage(path, stretch);
}

void OneClickWidget::setTitle(const QString &title)
{
    d->title->setText(title);
    setAccessibleName(title);
}

QString OneClickWidget::title() const
{
    return d->title->text();
}

void OneClickWidget::setDescription(const QString &description)
{
    d->description->setText(description);
    setAccessibleDescription(description);
}

QString OneClickWidget::description() const
{
    return d->description->text();
}

void OneClickWidget::setTitleFont(int pointSize, bool bold)
{
    d->title->setFont(pointSize, bold);
}

void OneClickWidget::setRoundImage(bool round)
{
    d->image->setRound(round);
}

void OneClickWidget::setImageStretched(bool stretched)
{
    d->image->setStretch(stretched);
}

void OneClickWidget::setTopMargin(int top)
{
    d->frameLayout->setContentsMargins(36, top, 36, 36);
}

int OneClickWidget::layoutKind() const
{
    return d->layoutKind;
}

bool OneClickWidget::isHovered() const
{
    return d->hovered;
}

bool OneClickWidget::isPressed() const
{
    return d->pressed;
}

void OneClickWidget::click()
{
    if (isEnabled())
        emit clicked();
}

void OneClickWidget::applyLook()
{
    if (d->hovered) {
        d->title->setStyleSheet(QStringLiteral("font-weight:bold;font-size:22px;color:#ffffff;"));
        d->description->setStyleSheet(QStringLiteral("font-size:16px;color:#ffffff;"));
        setStyleSheet(QStringLiteral("QWidget#ModuleStyleFrm{border: 0px solid "
                                     "#999999;background:qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #8EBEFC,stop:1 "
                                     "#3779DA);border-radius: 20px;}"));
    } else {
        d->title->setStyleSheet(QStringLiteral("font-weight:bold;font-size:22px;color:#333333;"));
        d->description->setStyleSheet(QStringLiteral("font-size:16px;color:#666666;"));
        setStyleSheet(QStringLiteral(
            "QWidget#ModuleStyleFrm{border: 1px solid rgba(153,153,153,0.5);background:#FFFFFF;border-radius: 20px;}"));
    }
}

void OneClickWidget::enterEvent(QEvent *event)
{
    d->hovered = true;
    applyLook();
    emit entered();
    QWidget::enterEvent(event);
}

void OneClickWidget::leaveEvent(QEvent *event)
{
    d->hovered = false;
    applyLook();
    emit leaved();
    QWidget::leaveEvent(event);
}

void OneClickWidget::mousePressEvent(QMouseEvent *event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    d->pressed = true;
    update();
    event->accept();
}

void OneClickWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isEnabled() || !d->pressed) {
        event->ignore();
        return;
    }
    d->pressed = false;
    update();
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked();
    event->accept();
}
