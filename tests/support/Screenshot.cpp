#include "Screenshot.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

struct Connection {
    explicit Connection(const QString& display)
    {
        c = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (!xcb_connection_has_error(c))
            screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    }
    ~Connection() { xcb_disconnect(c); }
    xcb_connection_t* c;
    xcb_screen_t* screen = nullptr;
};

}  // namespace

QRect windowGeometry(const QString& display, quint32 window)
{
    Connection x(display);
    if (!x.screen)
        return {};
    auto* geometry = xcb_get_geometry_reply(x.c, xcb_get_geometry(x.c, window), nullptr);
    auto* position = xcb_translate_coordinates_reply(x.c, xcb_translate_coordinates(x.c, window, x.screen->root, 0, 0),
                                                     nullptr);
    QRect rect;
    if (geometry && position)
        rect = QRect(position->dst_x, position->dst_y, geometry->width, geometry->height);
    std::free(geometry);
    std::free(position);
    return rect;
}

QImage grabScreen(const QString& display, const QRect& area, quint32 window)
{
    Connection x(display);
    if (!x.screen || area.isEmpty())
        return {};
    const xcb_drawable_t drawable = window ? window : x.screen->root;
    auto* image = xcb_get_image_reply(
        x.c,
        xcb_get_image(x.c, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, area.x(), area.y(), area.width(), area.height(), ~0u),
        nullptr);
    if (!image)
        return {};
    // 24-bit depth arrives as 32-bit BGRX pixels, which is QImage's RGB32.
    const QImage view(xcb_get_image_data(image), area.width(), area.height(), area.width() * 4, QImage::Format_RGB32);
    QImage copy = view.copy();
    std::free(image);
    return copy;
}

void requestClose(const QString& display, quint32 window)
{
    Connection x(display);
    if (!x.screen)
        return;
    const auto atom = [&](const char* name) {
        auto* reply = xcb_intern_atom_reply(x.c, xcb_intern_atom(x.c, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : XCB_ATOM_NONE;
        std::free(reply);
        return value;
    };
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x.c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(x.c);
}
