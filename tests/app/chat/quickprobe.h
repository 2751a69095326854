#pragma once

// Looks into a QQuickWidget's scene and its accessible tree, for the tests of
// the chat panes.

#include "appevent.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QQuickItem>
#include <QQuickWidget>
#include <QStringList>
#include <QVariant>

#include <functional>

namespace QuickProbe {

inline void collect(QQuickItem *item, const std::function<bool(QQuickItem *)> &wanted, QList<QQuickItem *> &found)
{
    if (!item)
        return;
    if (wanted(item))
        found.append(item);
    for (QQuickItem *child : item->childItems())
        collect(child, wanted, found);
}

inline QList<QQuickItem *> items(QQuickWidget *widget, const std::function<bool(QQuickItem *)> &wanted)
{
    QList<QQuickItem *> found;
    collect(widget->rootObject(), wanted, found);
    return found;
}

// Whether the item and every item above it are visible.
inline bool isShowing(QQuickItem *item)
{
    for (QQuickItem *at = item; at; at = at->parentItem()) {
        if (!at->isVisible())
            return false;
    }
    return true;
}

// The showing texts of the scene holding text.
inline QList<QQuickItem *> texts(QQuickWidget *widget, const QString &text)
{
    return items(widget, [&](QQuickItem *item) {
        return item->inherits("QQuickText") && isShowing(item) && item->property("text").toString().contains(text);
    });
}

inline QList<QQuickItem *> images(QQuickWidget *widget, const std::function<bool(const QString &)> &source)
{
    return items(widget, [&](QQuickItem *item) {
        return item->inherits("QQuickImage") && isShowing(item) && source(item->property("source").toUrl().toString());
    });
}

inline QQuickItem *byName(QQuickWidget *widget, const QString &objectName)
{
    const QList<QQuickItem *> found =
        items(widget, [&](QQuickItem *item) { return item->objectName() == objectName; });
    return found.isEmpty() ? nullptr : found.first();
}

// The accessible children below node, depth first, as "role:name".
inline void accessibleTree(QAccessibleInterface *node, QStringList &out, int depth = 0)
{
    for (int i = 0; node && i < node->childCount() && depth < 12; ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child)
            continue;
        out << QStringLiteral("%1:%2").arg(int(child->role())).arg(child->text(QAccessible::Name));
        accessibleTree(child, out, depth + 1);
    }
}

inline QAccessibleInterface *findAccessible(QAccessibleInterface *node, QAccessible::Role role, const QString &name)
{
    for (int i = 0; node && i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child)
            continue;
        if (child->role() == role && child->text(QAccessible::Name) == name)
            return child;
        if (QAccessibleInterface *deeper = findAccessible(child, role, name))
            return deeper;
    }
    return nullptr;
}

// Stands in for the main window as the receiver of the program's events:
// keeps each event's type and payload.
class EventCatcher : public QObject
{
public:
    struct Caught
    {
        int type;
        QVariant data;
    };

    QList<Caught> caught;

protected:
    void customEvent(QEvent *event) override;
};

inline void EventCatcher::customEvent(QEvent *event)
{
    if (const auto *appEvent = dynamic_cast<const AppEvent *>(event))
        caught.append({int(event->type()), appEvent->data()});
}

} // namespace QuickProbe
