#include "xdialog.h"

#include "translucency.h"
#include "ximagebox.h"
#include "xlabel.h"
#include "xpushbutton.h"

#include <QEvent>
#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

class XDialogPrivate
{
public:
    QWidget *titleBar = nullptr;
    QWidget *shadowWidget = nullptr;
    QWidget *contentWidget = nullptr;
    XImageBox *titleIcon = nullptr;
    XLabel *titleLabel = nullptr;
    XPushButton *closeButton = nullptr;
    bool dragging = false;
    QPoint lastGlobal;
    QColor background = QColor(255, 255, 255, 255);
    double borderWidth = 1.0;
    QColor borderColor = QColor(255, 255, 255, 255);
    int borderRadius = 8;
    QColor activeShadow = QColor(88, 88, 88, 255);
    QColor inactiveShadow = QColor(176, 176, 176, 255);
    bool trackActivation = false;
};

XDialog::XDialog(QWidget *parent)
    : QDialog(parent)
    , d(new XDialogPrivate)
{
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint);
    setTranslucentWindowBackground(this);
    setWindowTitle(QStringLiteral("Quenrow (iOS)"));

    d->shadowWidget = new QWidget(this);
    d->shadowWidget->setObjectName(QStringLiteral("shadowWidget"));
    d->shadowWidget->setMouseTracking(true);
    d->titleBar = new QWidget(d->shadowWidget);
    d->titleBar->setFixedHeight(30);
    d->titleIcon = new XImageBox(d->titleBar);
    d->titleIcon->setFixedSize(25, 25);
    d->titleIcon->hide();
    d->titleLabel = new XLabel(d->titleBar);
    // Callers put device names and the like in titles.
    d->titleLabel->setTextFormat(Qt::PlainText);
    d->closeButton = new XPushButton(d->titleBar);
    d->closeButton->setObjectName(QStringLiteral("TitleCloseButton"));
    d->closeButton->setFixedSize(25, 25);
    d->closeButton->setImages(QStringLiteral(":/Images/maintitlebar_close_0.png"),
                              QStringLiteral(":/Images/maintitlebar_close_1.png"), false);
    nameCloseButton();
    connect(d->closeButton, &XPushButton::clicked, this, &XDialog::close);

    d->contentWidget = new QWidget(d->shadowWidget);

    auto *titleLayout = new QHBoxLayout(d->titleBar);
    titleLayout->setContentsMargins(10, 1, 5, 1);
    titleLayout->setSpacing(0);
    titleLayout->addWidget(d->titleIcon);
    titleLayout->addSpacing(8);
    titleLayout->addWidget(d->titleLabel);
    titleLayout->addStretch();
    titleLayout->addWidget(d->closeButton);

    auto *shadowLayout = new QVBoxLayout(d->shadowWidget);
    shadowLayout->setContentsMargins(0, 0, 0, 0);
    shadowLayout->setSpacing(0);
    shadowLayout->addWidget(d->titleBar);
    shadowLayout->addWidget(d->contentWidget);

    // The transparent band around the panel is where the shadow falls.
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(d->shadowWidget);

    applyShadow(d->activeShadow);
    applyStyleSheet();
}

XDialog::~XDialog() = default;

QWidget *XDialog::contentWidget() const
{
    return d->contentWidget;
}

void XDialog::setTitle(const QString &title)
{
    d->titleLabel->setText(title);
    setWindowTitle(title.isEmpty() ? QStringLiteral("Quenrow (iOS)") : title);
}

QString XDialog::title() const
{
    return d->titleLabel->text();
}

void XDialog::setTitleIcon(const QString &path)
{
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        d->titleIcon->setImage(path, false);
        d->titleIcon->show();
    } else {
        d->titleIcon->hide();
    }
}

void XDialog::setTitleBarVisible(bool visible)
{
    d->titleBar->setVisible(visible);
}

void XDialog::setBackgroundColor(const QColor &color)
{
    d->background = color;
    applyStyleSheet();
}

void XDialog::setBorder(double width, const QColor &color, int radius)
{
    d->borderWidth = width;
    if (radius > -1)
        d->borderRadius = radius;
    if (color.isValid())
        d->borderColor = color;
    applyStyleSheet();
}

void XDialog::setActiveShadowColor(const QColor &color)
{
    d->activeShadow = color;
    applyShadow(color);
}

void XDialog::setInactiveShadowColor(const QColor &color)
{
    d->inactiveShadow = color;
}

void XDialog::setTrackActivation(bool track)
{
    d->trackActivation = track;
}

void XDialog::applyShadow(const QColor &color)
{
    auto *shadow = new QGraphicsDropShadowEffect(d->shadowWidget);
    shadow->setOffset(0, 0);
    shadow->setColor(color);
    shadow->setBlurRadius(10.0);
    // setGraphicsEffect deletes the effect it replaces.
    d->shadowWidget->setGraphicsEffect(shadow);
}

void XDialog::applyStyleSheet()
{
    d->shadowWidget->setStyleSheet(
        QStringLiteral("QWidget#shadowWidget {  background-color: %1;  border: %2 solid %3;  border-radius: %4px;}")
            .arg(d->background.name())
            .arg(d->borderWidth, 0, 'g')
            .arg(d->borderColor.name())
            .arg(d->borderRadius));
}

void XDialog::mousePressEvent(QMouseEvent *event)
{
    d->dragging = true;
    d->lastGlobal = event->globalPos();
    QWidget::mousePressEvent(event);
}

void XDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (!d->dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    move(pos() + event->globalPos() - d->lastGlobal);
    d->lastGlobal = event->globalPos();
}

void XDialog::mouseReleaseEvent(QMouseEvent *event)
{
    d->dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void XDialog::nameCloseButton()
{
    // The program's texts are translated in one context, "QObject".
    d->closeButton->setAccessibleName(QObject::tr("Close"));
    d->closeButton->setToolTip(QObject::tr("Close"));
}

void XDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && d->trackActivation)
        applyShadow(isActiveWindow() ? d->activeShadow : d->inactiveShadow);
    else if (event->type() == QEvent::LanguageChange)
        nameCloseButton();
    QDialog::changeEvent(event);
}
