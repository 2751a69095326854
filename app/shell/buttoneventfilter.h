#pragma once

#include <QObject>

// Installed on the application: Space, Return, Enter and Escape do nothing
// on buttons and dialogs, so buttons react to the mouse only and no key
// accepts or closes a dialog. File dialogs and what they hold are spared:
// they are used from the keyboard.
class ButtonEventFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override;
};
