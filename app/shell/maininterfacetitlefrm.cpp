#include "maininterfacetitlefrm.h"

#include "shellconstants.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

class MainInterfaceTitleFrmPrivate
{
public:
    QLabel *logo = nullptr;
    QLabel *titleLabel = nullptr;
    QPushButton *menuButton = nullptr;
    QPushButton *minButton = nullptr;
    QPushButton *closeButton = nullptr;
    bool pressed = false;
    QPoint pressPos; // the press, from the window's top-left corner
};

MainInterfaceTitleFrm::MainInterfaceTitleFrm(QWidget *parent)
    : QWidget(parent)
    , d(new MainInterfaceTitleFrmPrivate)
{
    setObjectName(QStringLiteral("MainInterfaceTitleFrm"));
    setAttribute(Qt::WA_StyledBackground);

    d->logo = new QLabel(this);
    d->logo->setObjectName(QStringLiteral("LabelLogo"));
    d->logo->setProperty("icon", QStringLiteral("source"));

    d->titleLabel = new QLabel(this);
    d->titleLabel->setObjectName(QStringLiteral("TitleLabe"));
    d->titleLabel->setStyleSheet(QStringLiteral("font-size: 16px;color:#333333;"));
    // Page titles may carry a backup's device name: never rich text.
    d->titleLabel->setTextFormat(Qt::PlainText);
    // The window sets the title; the retranslation leaves it alone.
    d->titleLabel->setProperty("@Bypassed", true);

    d->menuButton = new QPushButton(this);
    d->menuButton->setObjectName(QStringLiteral("ButtonMenu"));
    d->minButton = new QPushButton(this);
    d->minButton->setObjectName(QStringLiteral("ButtonMin"));
    d->closeButton = new QPushButton(this);
    d->closeButton->setObjectName(QStringLiteral("ButtonClose"));
    setAccessibleTexts();

    auto *row = new QHBoxLayout;
    row->setContentsMargins(16, 10, 15, 10);
    row->setSpacing(0);
    row->addWidget(d->logo);
    row->addSpacing(16);
    row->addWidget(d->titleLabel);
    row->addStretch();
    row->addSpacing(36);
    row->addWidget(d->menuButton);
    row->addSpacing(10);
    row->addWidget(d->minButton);
    row->addSpacing(10);
    row->addWidget(d->closeButton);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);

    connect(d->minButton, &QPushButton::clicked, this, &MainInterfaceTitleFrm::signalButtonMinClicked);
    connect(d->closeButton, &QPushButton::clicked, this, &MainInterfaceTitleFrm::signalButtonCloseClicked);
    connect(d->menuButton, &QPushButton::clicked, this, &MainInterfaceTitleFrm::signalButtonMenu);
}

MainInterfaceTitleFrm::~MainInterfaceTitleFrm() = default;

void MainInterfaceTitleFrm::setTitleText(const QString &text)
{
    const QString &product = ShellConstants::ProductTitle;
    d->titleLabel->setText(text.contains(product) ? product : QStringLiteral("%1 > %2").arg(product, text));
}

QString MainInterfaceTitleFrm::titleText() const
{
    return d->titleLabel->text();
}

void MainInterfaceTitleFrm::mousePressEvent(QMouseEvent *event)
{
    d->pressed = true;
    // Kept from the window's corner, so the window does not jump by the
    // title bar's place in it.
    d->pressPos = event->globalPos() - window()->pos();
    QWidget::mousePressEvent(event);
}

void MainInterfaceTitleFrm::mouseMoveEvent(QMouseEvent *event)
{
    // The frameless window moves itself on a left press where it can (the
    // window manager's move); other buttons move it here.
    if (d->pressed)
        window()->move(event->globalPos() - d->pressPos);
    QWidget::mouseMoveEvent(event);
}

void MainInterfaceTitleFrm::mouseReleaseEvent(QMouseEvent *event)
{
    d->pressed = false;
    QWidget::mouseReleaseEvent(event);
}

void MainInterfaceTitleFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setAccessibleTexts();
    QWidget::changeEvent(event);
}

void MainInterfaceTitleFrm::setAccessibleTexts()
{
    d->menuButton->setAccessibleName(QObject::tr("Menu"));
    d->menuButton->setToolTip(QObject::tr("Menu"));
    d->minButton->setAccessibleName(QObject::tr("Minimize"));
    d->minButton->setToolTip(QObject::tr("Minimize"));
    d->closeButton->setAccessibleName(QObject::tr("Close"));
    d->closeButton->setToolTip(QObject::tr("Close"));
}
