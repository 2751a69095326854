#include "fdialog.h"

#include "closebutton.h"
#include "translucency.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

FDialog::FDialog(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Quenrow (iOS)"));

    m_shadowWidget = new QWidget(this);
    m_shadowWidget->setObjectName(QStringLiteral("shadowWidget"));

    auto *titleBar = new QWidget(m_shadowWidget);
    titleBar->setFixedHeight(38);
    m_titleLabel = new QLabel(titleBar);
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_closeButton = new CloseButton(titleBar);
    auto *titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(1, 10, 10, 1);
    titleLayout->addWidget(m_titleLabel);
    titleLayout->addStretch();
    titleLayout->addWidget(m_closeButton);

    m_contentWidget = new QWidget(m_shadowWidget);
    auto *shadowLayout = new QVBoxLayout(m_shadowWidget);
    shadowLayout->setContentsMargins(0, 0, 0, 0);
    shadowLayout->setSpacing(0);
    shadowLayout->addWidget(titleBar);
    shadowLayout->addWidget(m_contentWidget);

    // The transparent band around the panel is where the shadow falls.
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_shadowWidget);

    applyShadow(true);
    m_shadowWidget->setStyleSheet(QStringLiteral(
        "QWidget#shadowWidget{background-color:rgb(255,255,255);border:1px solid #CECECE;border-radius:10px;}"));

    m_closeButton->setObjectName(QStringLiteral("TitleCloseButton"));
    m_closeButton->raise();
    connect(m_closeButton, &CloseButton::clicked, this, [this] { done(ClosedByTitleBar); });

    setFixedSize(500, 263);
    setTranslucentWindowBackground(this);
}

FDialog::~FDialog() = default;

void FDialog::applyShadow(bool active)
{
    auto *shadow = new QGraphicsDropShadowEffect(m_shadowWidget);
    shadow->setOffset(0, 0);
    shadow->setBlurRadius(10);
    shadow->setColor(active ? QColor(88, 88, 88) : QColor(176, 176, 176));
    // setGraphicsEffect deletes the effect it replaces.
    m_shadowWidget->setGraphicsEffect(shadow);
}

void FDialog::mousePressEvent(QMouseEvent *event)
{
    m_dragging = true;
    m_pressPosition = event->pos();
    QWidget::mousePressEvent(event);
}

void FDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(event->globalPos() - m_pressPosition);
    QWidget::mouseMoveEvent(event);
}

void FDialog::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void FDialog::keyPressEvent(QKeyEvent *)
{
    // Neither Esc nor Enter ends these dialogs; only their own controls
    // (a focused line edit or button) take keys.
}

void FDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange)
        applyShadow(isActiveWindow());
    QDialog::changeEvent(event);
}
