#include "widgetkit.h"

#include "elidingbuttons.h"
#include "kitaccessible.h"
#include "xcomboboxaccessible.h"

#include <QAccessible>
#include <QCoreApplication>

// At global scope, as Q_INIT_RESOURCE requires.
static void registerKitResources()
{
    Q_INIT_RESOURCE(quenrow_kit);
}

void initWidgetKit()
{
    static const bool done = [] {
        registerKitResources();
        KitAccessible::registerClass("XDiyBtn", QAccessible::Button);
        KitAccessible::registerClass("XBusyIndicator", QAccessible::Animation);
        KitAccessible::registerClass("XImageBox", QAccessible::Graphic);
        KitAccessible::registerClass("OneClickWidget", QAccessible::Button);
        KitAccessible::install();
        XComboBoxAccessible::install();
        if (QCoreApplication *app = QCoreApplication::instance())
            app->installEventFilter(new ElidingButtons(app));
        return true;
    }();
    Q_UNUSED(done);
}
