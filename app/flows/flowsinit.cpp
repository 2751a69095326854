#include "flowsinit.h"

#include "kitaccessible.h"
#include "typecardlistaccessible.h"

void initFlows()
{
    static const bool done = [] {
        // Qt's own check box answers Toggle with toggle(), which emits no
        // clicked(): the kit's interface clicks instead.
        KitAccessible::registerClass("TypeSelectCheckBox", QAccessible::CheckBox);
        // A link a person acts on: named after its text, with Press.
        KitAccessible::registerClass("FlowLinkLabel", QAccessible::Link);
        TypeCardListAccessible::install();
        return true;
    }();
    Q_UNUSED(done);
}
