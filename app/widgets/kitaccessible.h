#pragma once

#include <QAccessibleWidget>

// What assistive tools see of a custom-painted QWidget: the role its class was
// registered with, accessibleName() as its name, and its states: focusable and
// disabled as for any widget, checkable/checked and pressed from the properties
// "checkable", "checked" and "pressed" when the class has them. A class with
// Q_INVOKABLE void click() offers Press (and Toggle when checkable); the click
// is queued, so a modal exec() that it starts never runs inside the assistive
// tool's call.
class KitAccessible : public QAccessibleWidget
{
public:
    KitAccessible(QWidget *widget, QAccessible::Role role);

    // Widgets of className, and of classes derived from it that register none
    // of their own, get this role. Register before the first widget of the
    // class is shown; the kit's own classes are registered by initWidgetKit().
    static void registerClass(const char *className, QAccessible::Role role);
    // Installs the factory; initWidgetKit() does it once.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    bool hasClick() const;
};
