#include "nameagencyfrm.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

class NameAgencyFrmPrivate
{
public:
    QLabel *icon = nullptr;
    bool locked = false;
};

NameAgencyFrm::NameAgencyFrm(QWidget *parent)
    : QWidget(parent)
    , d(new NameAgencyFrmPrivate)
{
    d->icon = new QLabel(this);
    d->icon->setFixedSize(22, 22);
    d->icon->setScaledContents(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(d->icon);
}

NameAgencyFrm::~NameAgencyFrm() = default;

void NameAgencyFrm::setLocked(bool locked)
{
    d->locked = locked;
    d->icon->setPixmap(QPixmap(locked ? QStringLiteral(":/Images/Lock.png") : QStringLiteral(":/Images/dotLock.png")));
    describe();
}

bool NameAgencyFrm::isLocked() const
{
    return d->locked;
}

void NameAgencyFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        describe();
    QWidget::changeEvent(event);
}

void NameAgencyFrm::describe()
{
    // The picture alone would say nothing to a screen reader.
    setAccessibleDescription(d->locked ? QObject::tr("Encrypted") : QString());
}
