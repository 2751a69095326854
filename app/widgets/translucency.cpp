#include "translucency.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace
{
    // Whether a compositing manager owns the screen's "_NET_WM_CM_S<n>".
    bool x11Composited()
    {
        int screen = 0;
        xcb_connection_t *connection = xcb_connect(nullptr, &screen);
        if (!connection || xcb_connection_has_error(connection)) {
            if (connection)
                xcb_disconnect(connection);
            return true;
        }
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()),
                                  nullptr),
            &std::free);
        bool owned = false;
        if (atom) {
            const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
                xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
                &std::free);
            owned = owner && owner->owner != XCB_NONE;
        }
        xcb_disconnect(connection);
        return owned;
    }
}

bool translucentWindowsShown()
{
    // Other platforms (and the offscreen one of the tests) show alpha as it is.
    static const bool shown = QGuiApplication::platformName() != QLatin1String("xcb") || x11Composited();
    return shown;
}

void setTranslucentWindowBackground(QWidget *window)
{
    if (translucentWindowsShown())
        window->setAttribute(Qt::WA_TranslucentBackground);
}
