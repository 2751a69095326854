#pragma once

#include <QAccessibleWidget>
#include <QHash>

class TypeCardListView;

// What assistive tools see of a grid of category cards: a list whose items
// are named by the translated category name, are checkable with the card's
// check state, and offer Toggle, which takes the card's click path (queued,
// as the kit's Press is).
class TypeCardListAccessible : public QAccessibleWidget
{
public:
    explicit TypeCardListAccessible(TypeCardListView *view);
    ~TypeCardListAccessible() override;

    // Installs the factory; initFlows() does it once.
    static void install();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    TypeCardListView *view() const;

    mutable QHash<int, QAccessible::Id> m_children;
};
