#include "dpiscale.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <xcb/xcb.h>

namespace
{
    constexpr float kDefaultDpi = 96.0f;

    // "Xft.dpi:\t144" among the resource lines; 0 when missing or unreadable.
    float xftDpi(xcb_connection_t *connection, xcb_window_t root)
    {
        const xcb_get_property_cookie_t cookie = xcb_get_property(
            connection, 0, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 64 * 1024);
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection, cookie, nullptr), &std::free);
        if (!reply || reply->format != 8)
            return 0;
        const QByteArray resources(static_cast<const char *>(xcb_get_property_value(reply.get())),
                                   xcb_get_property_value_length(reply.get()));
        for (const QByteArray &line : resources.split('\n')) {
            if (!line.startsWith("Xft.dpi:"))
                continue;
            bool ok = false;
            const float dpi = line.mid(8).trimmed().toFloat(&ok);
            return ok && dpi > 0 ? dpi : 0;
        }
        return 0;
    }
}

float dpiToScale(float dpi)
{
    const float scale = dpi / 96.0f;
    if (!(scale > 1.0f))
        return 1.0f;
    return std::max(1.0f, scale * 0.956f);
}

float readScreenDpi()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return kDefaultDpi;
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        return kDefaultDpi;
    }
    float dpi = 0;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; screens.rem > 0 && i < screenNumber; ++i)
        xcb_screen_next(&screens);
    if (screens.rem > 0) {
        const xcb_screen_t *screen = screens.data;
        dpi = xftDpi(connection, screen->root);
        if (dpi <= 0 && screen->width_in_millimeters > 0)
            dpi = float(screen->width_in_pixels) * 25.4f / float(screen->width_in_millimeters);
    }
    xcb_disconnect(connection);
    return dpi > 0 ? dpi : kDefaultDpi;
}

float computeDpiScale(float &dpi)
{
    dpi = readScreenDpi();
    return dpiToScale(dpi);
}
