#include "aboutframedialog.h"

#include "translucency.h"
#include "ximagebox.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

AboutFrameDialog::AboutFrameDialog(const QSize &size, int frameBottomMargin, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    setTranslucentWindowBackground(this);
    setFixedSize(size);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("MakeAboutDialog"));
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    m_titleLabel = new QLabel(frame);
    m_titleLabel->setStyleSheet(QStringLiteral("font-size: 14px;font-weight:400;color:#333333;"));
    m_closeButton = new QPushButton(frame);
    m_closeButton->setObjectName(QStringLiteral("TitleCloseButton"));
    m_closeButton->setAutoDefault(false);
    nameCloseButton();
    auto *titleRow = new QHBoxLayout;
    titleRow->addSpacing(15);
    titleRow->addWidget(m_titleLabel);
    titleRow->addStretch();
    titleRow->addWidget(m_closeButton);

    m_bodyLayout = new QVBoxLayout;
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 5, 0, frameBottomMargin);
    frameLayout->addLayout(titleRow);
    frameLayout->addLayout(m_bodyLayout);
}

void AboutFrameDialog::setTitleText(const QString &title)
{
    m_titleLabel->setText(title);
    setWindowTitle(title);
}

QVBoxLayout *AboutFrameDialog::bodyLayout() const
{
    return m_bodyLayout;
}

QHBoxLayout *AboutFrameDialog::makeLogoRow(const QString &nameStyle)
{
    auto *logo = new XImageBox(this);
    logo->setFixedSize(50, 50);
    logo->setImage(QStringLiteral(":/Images/app_logo_128.png"), true);
    auto *name = new QLabel(QStringLiteral("Quenrow (iOS)"), this);
    name->setStyleSheet(nameStyle);
    auto *row = new QHBoxLayout;
    row->addWidget(logo);
    row->addSpacing(10);
    row->addWidget(name);
    row->addStretch();
    return row;
}

void AboutFrameDialog::mousePressEvent(QMouseEvent *event)
{
    m_dragging = true;
    m_pressPosition = event->pos();
    QDialog::mousePressEvent(event);
}

void AboutFrameDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(event->globalPos() - m_pressPosition);
    QDialog::mouseMoveEvent(event);
}

void AboutFrameDialog::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void AboutFrameDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        nameCloseButton();
    QDialog::changeEvent(event);
}

void AboutFrameDialog::nameCloseButton()
{
    m_closeButton->setAccessibleName(QObject::tr("Close"));
    m_closeButton->setToolTip(QObject::tr("Close"));
}
