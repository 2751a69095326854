#include "kitaccessible.h"

#include <QHash>
#include <QMetaObject>
#include <QWidget>

namespace
{
    QHash<QByteArray, QAccessible::Role> &registeredClasses()
    {
        static QHash<QByteArray, QAccessible::Role> classes;
        return classes;
    }

    QAccessibleInterface *kitFactory(const QString &className, QObject *object)
    {
        if (!object || !object->isWidgetType())
            return nullptr;
        const auto &classes = registeredClasses();
        const auto found = classes.constFind(className.toLatin1());
        if (found == classes.constEnd())
            return nullptr;
        return new KitAccessible(static_cast<QWidget *>(object), found.value());
    }
}

KitAccessible::KitAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

void KitAccessible::registerClass(const char *className, QAccessible::Role role)
{
    registeredClasses().insert(QByteArray(className), role);
}

void KitAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(kitFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString KitAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return widget()->accessibleName();
    return QAccessibleWidget::text(t);
}

QAccessible::State KitAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const QObject *o = object();
    if (o->property("checkable").toBool()) {
        state.checkable = true;
        state.checked = o->property("checked").toBool();
    }
    if (o->property("pressed").toBool())
        state.pressed = true;
    return state;
}

bool KitAccessible::hasClick() const
{
    return object()->metaObject()->indexOfMethod("click()") >= 0;
}

QStringList KitAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (hasClick() && widget()->isEnabled()) {
        names.prepend(pressAction());
        if (object()->property("checkable").toBool())
            names.append(toggleAction());
    }
    return names;
}

void KitAccessible::doAction(const QString &actionName)
{
    if ((actionName == pressAction() || actionName == toggleAction()) && hasClick()) {
        if (widget()->isEnabled())
            QMetaObject::invokeMethod(object(), "click", Qt::QueuedConnection);
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
