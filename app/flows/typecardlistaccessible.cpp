#include "typecardlistaccessible.h"

#include "typecardlistview.h"

#include <QAbstractItemModel>
#include <QPointer>
#include <QWindow>

namespace
{
    class TypeCardAccessible : public QAccessibleInterface, public QAccessibleActionInterface
    {
    public:
        TypeCardAccessible(TypeCardListView *view, int row)
            : m_view(view)
            , m_row(row)
        {
        }

        bool isValid() const override
        {
            return m_view && m_view->model() && m_row < m_view->model()->rowCount();
        }
        QObject *object() const override { return nullptr; }
        QWindow *window() const override
        {
            return m_view && m_view->window() ? m_view->window()->windowHandle() : nullptr;
        }
        QAccessibleInterface *childAt(int, int) const override { return nullptr; }
        QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
        QAccessibleInterface *child(int) const override { return nullptr; }
        int childCount() const override { return 0; }
        int indexOfChild(const QAccessibleInterface *) const override { return -1; }

        QString text(QAccessible::Text t) const override
        {
            if (!isValid() || t != QAccessible::Name)
                return QString();
            return m_view->cardName(m_row);
        }
        void setText(QAccessible::Text, const QString &) override {}

        QRect rect() const override
        {
            if (!isValid())
                return QRect();
            const QRect visual = m_view->visualRect(m_view->model()->index(m_row, 0));
            return QRect(m_view->viewport()->mapToGlobal(visual.topLeft()), visual.size());
        }
        QAccessible::Role role() const override { return QAccessible::ListItem; }
        QAccessible::State state() const override
        {
            QAccessible::State state;
            if (!isValid()) {
                state.invalid = true;
                return state;
            }
            state.checkable = true;
            state.checked = m_view->isCardChecked(m_row);
            state.invisible = !m_view->isVisible();
            state.disabled = !m_view->isEnabled();
            return state;
        }

        void *interface_cast(QAccessible::InterfaceType type) override
        {
            return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
        }

        QStringList actionNames() const override
        {
            return isValid() && m_view->isEnabled() ? QStringList {toggleAction()} : QStringList();
        }
        void doAction(const QString &actionName) override
        {
            if (actionName != toggleAction() || !isValid())
                return;
            // Queued: a slot that opens a modal dialog must not run inside
            // the assistive tool's call.
            QPointer<TypeCardListView> view = m_view;
            const int row = m_row;
            QMetaObject::invokeMethod(
                m_view,
                [view, row] {
                    if (view)
                        view->clickRow(row);
                },
                Qt::QueuedConnection);
        }
        QStringList keyBindingsForAction(const QString &) const override { return {}; }

    private:
        QPointer<TypeCardListView> m_view;
        int m_row;
    };

    QAccessibleInterface *cardListFactory(const QString &className, QObject *object)
    {
        if (className == QLatin1String("TypeCardListView") && object && object->isWidgetType())
            return new TypeCardListAccessible(static_cast<TypeCardListView *>(object));
        return nullptr;
    }
}

TypeCardListAccessible::TypeCardListAccessible(TypeCardListView *view)
    : QAccessibleWidget(view, QAccessible::List)
{
}

TypeCardListAccessible::~TypeCardListAccessible()
{
    for (QAccessible::Id id : qAsConst(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

void TypeCardListAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(cardListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

TypeCardListView *TypeCardListAccessible::view() const
{
    return static_cast<TypeCardListView *>(widget());
}

int TypeCardListAccessible::childCount() const
{
    const QAbstractItemModel *model = view()->model();
    return model ? model->rowCount() : 0;
}

QAccessibleInterface *TypeCardListAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto found = m_children.constFind(index);
    if (found != m_children.constEnd())
        return QAccessible::accessibleInterface(found.value());
    auto *card = new TypeCardAccessible(view(), index);
    m_children.insert(index, QAccessible::registerAccessibleInterface(card));
    return card;
}

int TypeCardListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    for (auto it = m_children.constBegin(); it != m_children.constEnd(); ++it) {
        if (it.value() == id)
            return it.key();
    }
    return -1;
}

QAccessibleInterface *TypeCardListAccessible::childAt(int x, int y) const
{
    const QPoint local = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = view()->indexAt(local);
    return index.isValid() ? child(index.row()) : nullptr;
}
