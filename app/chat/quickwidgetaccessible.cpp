#include "quickwidgetaccessible.h"

#include <QHash>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QWindow>

namespace
{
    // The widget property that holds its items' registry.
    const char *const kRegistryProperty = "_quenrow_accessible_items";

    bool hasOwnInterface(QQuickItem *item)
    {
        return QAccessible::queryAccessibleInterface(item) != nullptr;
    }

    // "Accessible.ignored: true" leaves an item's interface in place in Qt
    // 5.15; its attached object, a child of the item, says so.
    bool isIgnored(QQuickItem *item)
    {
        for (QObject *child : item->children()) {
            if (qstrcmp(child->metaObject()->className(), "QQuickAccessibleAttached") == 0)
                return child->property("ignored").toBool();
        }
        return false;
    }

    // Presented to assistive tools on its own.
    bool isPresented(QQuickItem *item)
    {
        return hasOwnInterface(item) && !isIgnored(item);
    }

    // The accessible items below item, looking through those without a role.
    void collectAccessibleChildren(QQuickItem *item, QList<QQuickItem *> &found)
    {
        const QList<QQuickItem *> children = item->childItems();
        for (QQuickItem *child : children) {
            if (isPresented(child))
                found.append(child);
            else
                collectAccessibleChildren(child, found);
        }
    }

    QList<QQuickItem *> accessibleChildren(QQuickItem *item)
    {
        QList<QQuickItem *> found;
        if (item)
            collectAccessibleChildren(item, found);
        return found;
    }

    QQuickItem *contentItemOf(QQuickWidget *widget)
    {
        return widget && widget->quickWindow() ? widget->quickWindow()->contentItem() : nullptr;
    }

    // The interfaces of one widget's items, one per item, deleted with the
    // item or the widget.
    class ItemRegistry : public QObject
    {
    public:
        explicit ItemRegistry(QQuickWidget *widget) : QObject(widget), m_widget(widget) {}
        ~ItemRegistry() override
        {
            for (QAccessible::Id id : qAsConst(m_ids))
                QAccessible::deleteAccessibleInterface(id);
        }

        static ItemRegistry *of(QQuickWidget *widget)
        {
            if (!widget)
                return nullptr;
            auto *registry = static_cast<ItemRegistry *>(widget->property(kRegistryProperty).value<QObject *>());
            if (!registry) {
                registry = new ItemRegistry(widget);
                widget->setProperty(kRegistryProperty, QVariant::fromValue<QObject *>(registry));
            }
            return registry;
        }

        QAccessibleInterface *wrap(QQuickItem *item);

    private:
        QQuickWidget *m_widget;
        QHash<QQuickItem *, QAccessible::Id> m_ids;
    };

    class QuickItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
    {
    public:
        QuickItemAccessible(QQuickItem *item, QQuickWidget *widget) : m_item(item), m_widget(widget) {}

        QAccessibleInterface *original() const
        {
            return m_item ? QAccessible::queryAccessibleInterface(m_item.data()) : nullptr;
        }

        bool isValid() const override { return m_widget && original(); }
        QObject *object() const override { return nullptr; }
        QWindow *window() const override { return m_widget ? m_widget->window()->windowHandle() : nullptr; }

        QAccessibleInterface *parent() const override
        {
            if (!m_item || !m_widget)
                return nullptr;
            QQuickItem *top = contentItemOf(m_widget);
            for (QQuickItem *above = m_item->parentItem(); above && above != top; above = above->parentItem()) {
                if (isPresented(above))
                    return ItemRegistry::of(m_widget)->wrap(above);
            }
            return QAccessible::queryAccessibleInterface(m_widget.data());
        }

        QList<QQuickItem *> children() const
        {
            const QAccessible::Role own = role();
            if (!m_item || own == QAccessible::StaticText || own == QAccessible::Button)
                return {};
            return accessibleChildren(m_item);
        }

        QAccessibleInterface *child(int index) const override
        {
            const QList<QQuickItem *> items = children();
            if (index < 0 || index >= items.size())
                return nullptr;
            return ItemRegistry::of(m_widget)->wrap(items.at(index));
        }

        int childCount() const override { return children().size(); }

        int indexOfChild(const QAccessibleInterface *child) const override
        {
            const QList<QQuickItem *> items = children();
            for (int i = 0; i < items.size(); ++i) {
                if (ItemRegistry::of(m_widget)->wrap(items.at(i)) == child)
                    return i;
            }
            return -1;
        }

        QAccessibleInterface *childAt(int x, int y) const override
        {
            const QList<QQuickItem *> items = children();
            for (QQuickItem *item : items) {
                QAccessibleInterface *child = ItemRegistry::of(m_widget)->wrap(item);
                if (child && child->rect().contains(x, y))
                    return child;
            }
            return nullptr;
        }

        QString text(QAccessible::Text t) const override
        {
            QAccessibleInterface *item = original();
            return item ? item->text(t) : QString();
        }

        void setText(QAccessible::Text, const QString &) override {}

        QRect rect() const override
        {
            if (!m_item || !m_widget)
                return QRect();
            const QRectF scene = m_item->mapRectToScene(QRectF(0, 0, m_item->width(), m_item->height()));
            return QRect(m_widget->mapToGlobal(scene.topLeft().toPoint()), scene.size().toSize());
        }

        QAccessible::Role role() const override
        {
            QAccessibleInterface *item = original();
            return item ? item->role() : QAccessible::NoRole;
        }

        // Shown on screen: the widget shows, the item and its parents are
        // visible and not transparent, and some of it lies inside the widget
        // and every clipping parent.
        bool isShowing() const
        {
            if (!m_item || !m_widget || !m_widget->isVisible() || !m_item->isVisible())
                return false;
            QRectF area(0, 0, m_widget->width(), m_widget->height());
            for (QQuickItem *item = m_item; item; item = item->parentItem()) {
                if (qFuzzyIsNull(item->opacity()))
                    return false;
                if (item != m_item && item->clip())
                    area &= item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
            }
            const QRectF own = m_item->mapRectToScene(QRectF(0, 0, m_item->width(), m_item->height()));
            return own.intersects(area);
        }

        QAccessible::State state() const override
        {
            QAccessibleInterface *item = original();
            QAccessible::State state = item ? item->state() : QAccessible::State();
            const bool showing = isShowing();
            state.invisible = !showing;
            state.offscreen = !showing;
            if (m_item && !m_item->isEnabled())
                state.disabled = true;
            return state;
        }

        void *interface_cast(QAccessible::InterfaceType type) override
        {
            QAccessibleInterface *item = original();
            if (type == QAccessible::ActionInterface && item && item->actionInterface())
                return static_cast<QAccessibleActionInterface *>(this);
            return nullptr;
        }

        QStringList actionNames() const override
        {
            QAccessibleInterface *item = original();
            return item && item->actionInterface() ? item->actionInterface()->actionNames() : QStringList();
        }

        void doAction(const QString &actionName) override
        {
            if (!m_widget)
                return;
            // Queued: the tool's call has returned before the action runs.
            const QPointer<QQuickItem> target = m_item;
            QMetaObject::invokeMethod(
                m_widget.data(),
                [target, actionName] {
                    if (!target)
                        return;
                    QAccessibleInterface *item = QAccessible::queryAccessibleInterface(target.data());
                    if (item && item->actionInterface())
                        item->actionInterface()->doAction(actionName);
                },
                Qt::QueuedConnection);
        }

        QStringList keyBindingsForAction(const QString &) const override { return {}; }

    private:
        QPointer<QQuickItem> m_item;
        QPointer<QQuickWidget> m_widget;
    };

    QAccessibleInterface *ItemRegistry::wrap(QQuickItem *item)
    {
        if (!item)
            return nullptr;
        const auto known = m_ids.constFind(item);
        if (known != m_ids.constEnd())
            return QAccessible::accessibleInterface(*known);
        const QAccessible::Id id = QAccessible::registerAccessibleInterface(new QuickItemAccessible(item, m_widget));
        m_ids.insert(item, id);
        connect(item, &QObject::destroyed, this, [this, item] {
            const QAccessible::Id gone = m_ids.take(item);
            if (gone)
                QAccessible::deleteAccessibleInterface(gone);
        });
        return QAccessible::accessibleInterface(id);
    }

    QAccessibleInterface *quickWidgetFactory(const QString &className, QObject *object)
    {
        if (className == QLatin1String("QQuickWidget") && object && object->isWidgetType())
            return new QuickWidgetAccessible(static_cast<QQuickWidget *>(object));
        return nullptr;
    }
}

QuickWidgetAccessible::QuickWidgetAccessible(QQuickWidget *widget)
    : QAccessibleWidget(widget, QAccessible::Client)
{
}

void QuickWidgetAccessible::install()
{
    QAccessible::installFactory(quickWidgetFactory);
}

QQuickWidget *QuickWidgetAccessible::quickWidget() const
{
    return static_cast<QQuickWidget *>(widget());
}

int QuickWidgetAccessible::childCount() const
{
    return accessibleChildren(contentItemOf(quickWidget())).size();
}

QAccessibleInterface *QuickWidgetAccessible::child(int index) const
{
    const QList<QQuickItem *> items = accessibleChildren(contentItemOf(quickWidget()));
    if (index < 0 || index >= items.size())
        return nullptr;
    return ItemRegistry::of(quickWidget())->wrap(items.at(index));
}

int QuickWidgetAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QList<QQuickItem *> items = accessibleChildren(contentItemOf(quickWidget()));
    for (int i = 0; i < items.size(); ++i) {
        if (ItemRegistry::of(quickWidget())->wrap(items.at(i)) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface *QuickWidgetAccessible::childAt(int x, int y) const
{
    const QList<QQuickItem *> items = accessibleChildren(contentItemOf(quickWidget()));
    for (QQuickItem *item : items) {
        QAccessibleInterface *child = ItemRegistry::of(quickWidget())->wrap(item);
        if (child && child->rect().contains(x, y))
            return child;
    }
    return nullptr;
}
