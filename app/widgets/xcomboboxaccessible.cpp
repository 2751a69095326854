#include "xcomboboxaccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace
{
    QAccessibleInterface *comboFactory(const QString &className, QObject *object)
    {
        if (className == QLatin1String("XComboBox") && object && object->isWidgetType())
            return new XComboBoxAccessible(static_cast<QWidget *>(object));
        return nullptr;
    }
}

XComboBoxAccessible::XComboBoxAccessible(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::ComboBox)
{
}

void XComboBoxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(comboFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QComboBox *XComboBoxAccessible::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

int XComboBoxAccessible::childCount() const
{
    return comboBox()->isEditable() ? 2 : 1;
}

QAccessibleInterface *XComboBoxAccessible::child(int index) const
{
    if (index == 0)
        return QAccessible::queryAccessibleInterface(comboBox()->view());
    if (index == 1 && comboBox()->isEditable())
        return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
    return nullptr;
}

int XComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (child->object() == comboBox()->view())
        return 0;
    if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit())
        return 1;
    return -1;
}

QString XComboBoxAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? text(QAccessible::Value) : name;
    }
    case QAccessible::Value:
        return comboBox()->isEditable() ? comboBox()->lineEdit()->text() : comboBox()->currentText();
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList XComboBoxAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void XComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (comboBox()->view()->isVisible())
        comboBox()->hidePopup();
    else
        comboBox()->showPopup();
}
