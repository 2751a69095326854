#pragma once

#include <QAccessibleWidget>

class QQuickWidget;

// What assistive tools see of a QQuickWidget. Qt 5.15 keeps the widget's
// Qt Quick items under a hidden off-screen window, where no tool finds them;
// this presents the root item's accessible children (items with an
// Accessible role, found through the items that have none) as the widget's
// own. Each item keeps its role, name, description and actions, and gets the
// widget's screen position and a "showing" state that follows the item, its
// clipping parents and the widget. Actions are run queued, so a modal
// dialog an action opens never runs inside the tool's call. Static texts and
// buttons are read as a whole: they show no children.
class QuickWidgetAccessible : public QAccessibleWidget
{
public:
    explicit QuickWidgetAccessible(QQuickWidget *widget);

    // Installs the factory for QQuickWidget; initChat() does it once.
    static void install();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    QQuickWidget *quickWidget() const;
};
