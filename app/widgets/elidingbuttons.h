#pragma once

#include <QObject>

class QPushButton;

// Push buttons keep their fixed sizes in every language: a text wider than
// its button is drawn elided, and the button then shows the whole text as
// its tool tip (unless it has one of its own). The button's text, and so its
// accessible name, stays whole. Installed on the application by
// initWidgetKit(); buttons that paint themselves are left alone.
class ElidingButtons : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // What button shows of its text at its current size.
    static QString shownText(const QPushButton *button);
};
