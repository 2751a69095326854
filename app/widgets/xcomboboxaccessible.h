#pragma once

#include <QAccessibleWidget>

class QComboBox;

// What assistive tools see of an XComboBox. On Linux Qt names a combo box by
// its current text; the kit's selectors carry a name of their own ("Show",
// "Type") and say their current text as their value. Without a name of its
// own a box is named by its text as before. Its list is its child; Press and
// ShowMenu open and close the list.
class XComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit XComboBoxAccessible(QWidget *widget);

    // Installs the factory; initWidgetKit() does it once.
    static void install();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QComboBox *comboBox() const;
};
