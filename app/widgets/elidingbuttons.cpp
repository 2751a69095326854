#include "elidingbuttons.h"

#include <QHelpEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>

namespace
{
    // QPushButton's own option, through a pointer to its protected member.
    struct OptionAccess : QPushButton
    {
        static QStyleOptionButton optionOf(const QPushButton *button)
        {
            QStyleOptionButton option;
            const auto initStyleOption = &OptionAccess::initStyleOption;
            (button->*initStyleOption)(&option);
            return option;
        }
    };

    // A plain QPushButton: subclasses may paint in their own way.
    QPushButton *plainButton(QObject *object)
    {
        auto *button = qobject_cast<QPushButton *>(object);
        return button && button->metaObject() == &QPushButton::staticMetaObject ? button : nullptr;
    }

    QString elided(const QPushButton *button, const QStyleOptionButton &option)
    {
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int room = contents.width() - 4 - (option.icon.isNull() ? 0 : option.iconSize.width() + 4);
        if (room <= 0 || option.fontMetrics.horizontalAdvance(option.text) <= room)
            return option.text;
        return option.fontMetrics.elidedText(option.text, Qt::ElideRight, room);
    }
}

bool ElidingButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint && event->type() != QEvent::ToolTip)
        return false;
    QPushButton *button = plainButton(watched);
    if (!button || button->text().isEmpty())
        return false;
    QStyleOptionButton option = OptionAccess::optionOf(button);
    const QString shown = elided(button, option);
    if (shown == option.text)
        return false;
    if (event->type() == QEvent::ToolTip) {
        if (!button->toolTip().isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), button->text(), button);
        return true;
    }
    // QPushButton::paintEvent with the elided text.
    option.text = shown;
    QStylePainter painter(button);
    painter.drawControl(QStyle::CE_PushButton, option);
    return true;
}

QString ElidingButtons::shownText(const QPushButton *button)
{
    return elided(button, OptionAccess::optionOf(button));
}
