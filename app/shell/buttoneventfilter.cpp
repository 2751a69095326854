#include "buttoneventfilter.h"

#include <QFileDialog>
#include <QKeyEvent>

namespace
{
    bool isInFileDialog(QObject *object)
    {
        for (QObject *at = object; at; at = at->parent()) {
            if (qobject_cast<QFileDialog *>(at))
                return true;
            // A dialog's children stop at their window: a file dialog's parent
            // window is not part of it.
            if (at->isWidgetType() && static_cast<QWidget *>(at)->isWindow())
                break;
        }
        return false;
    }
}

bool ButtonEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && (watched->inherits("QPushButton") || watched->inherits("QDialog") || watched->inherits("QAbstractButton"))) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Space:
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
            if (!isInFileDialog(watched))
                return true;
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
