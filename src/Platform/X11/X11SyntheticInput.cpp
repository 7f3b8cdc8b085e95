#include "X11SyntheticInput.h"

#include "X11Connection.h"

#include <xcb/xtest.h>

#include <X11/keysym.h>

X11SyntheticInput::X11SyntheticInput(X11Connection& connection) : m_x(connection) {}

bool X11SyntheticInput::isAvailable()
{
    if (!m_x.isValid())
        return false;
    const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(m_x.connection(), &xcb_test_id);
    return xtest && xtest->present;
}

void X11SyntheticInput::postPaste()
{
    if (!isAvailable())
        return;
    // The key that types "v" in the keyboard map (with a Ukrainian group active it
    // types "м"; toolkits still read Ctrl with that key as Ctrl+V).
    const std::vector<xcb_keycode_t> v = m_x.keycodes(XK_v);
    const std::vector<xcb_keycode_t> control = m_x.keycodes(XK_Control_L);
    if (v.empty() || control.empty())
        return;
    xcb_connection_t* c = m_x.connection();
    auto key = [&](uint8_t type, xcb_keycode_t code) {
        xcb_test_fake_input(c, type, code, XCB_CURRENT_TIME, m_x.root(), 0, 0, 0);
    };
    // Modifiers still held (Alt of the shortcut, Shift…) would turn Ctrl+V into
    // something else: release them first.
    for (xcb_keycode_t held : m_x.modifierKeycodesDown())
        key(XCB_KEY_RELEASE, held);
    key(XCB_KEY_PRESS, control.front());
    key(XCB_KEY_PRESS, v.front());
    key(XCB_KEY_RELEASE, v.front());
    key(XCB_KEY_RELEASE, control.front());
    m_x.flush();
}
