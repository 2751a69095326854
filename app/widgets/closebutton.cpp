#include "closebutton.h"

#include <QEvent>
#include <QKeyEvent>

CloseButton::CloseButton(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
    // Keys do nothing here, so the keyboard's focus has no business here.
    setFocusPolicy(Qt::NoFocus);
    retranslate();
}

void CloseButton::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

void CloseButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(event);
}

void CloseButton::retranslate()
{
    // The program's texts are translated in one context, "QObject".
    setAccessibleName(QObject::tr("Close"));
    setToolTip(QObject::tr("Close"));
}
