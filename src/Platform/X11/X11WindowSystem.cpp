#include "X11WindowSystem.h"

#include "X11Connection.h"

#include <QCoreApplication>

#include <cstdlib>

X11WindowSystem::X11WindowSystem(X11Connection& connection) : m_x(connection) {}

qint64 X11WindowSystem::ownPid() const
{
    return QCoreApplication::applicationPid();
}

xcb_window_t X11WindowSystem::inputFocus()
{
    if (!m_x.isValid())
        return XCB_NONE;
    xcb_get_input_focus_reply_t* r =
        xcb_get_input_focus_reply(m_x.connection(), xcb_get_input_focus(m_x.connection()), nullptr);
    const xcb_window_t focus = r ? r->focus : XCB_NONE;
    std::free(r);
    return focus == XCB_INPUT_FOCUS_POINTER_ROOT ? XCB_NONE : focus;
}

xcb_window_t X11WindowSystem::topLevelOf(xcb_window_t window)
{
    xcb_window_t current = window;
    for (int depth = 0; depth < 64 && current != XCB_NONE && current != m_x.root(); ++depth) {
        const xcb_window_t up = m_x.parent(current);
        if (up == m_x.root())
            return current;
        current = up;
    }
    return XCB_NONE;
}

bool X11WindowSystem::isAncestor(xcb_window_t ancestor, xcb_window_t window)
{
    xcb_window_t current = window;
    for (int depth = 0; depth < 64 && current != XCB_NONE && current != m_x.root(); ++depth) {
        if (current == ancestor)
            return true;
        current = m_x.parent(current);
    }
    return false;
}

AppWindow X11WindowSystem::describe(xcb_window_t window)
{
    AppWindow described;
    described.id = window;
    described.pid = m_x.cardinalProperty(window, "_NET_WM_PID").value_or(0);
    std::optional<QByteArray> name = m_x.property(window, m_x.atom("_NET_WM_NAME"), m_x.atom("UTF8_STRING"));
    if (!name)
        name = m_x.property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
    described.name = name ? QString::fromUtf8(*name) : QString();
    // WM_CLASS holds the instance and the class, each ending in a zero byte.
    if (const std::optional<QByteArray> wmClass = m_x.property(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING))
        described.className = QString::fromUtf8(wmClass->split('\0').value(1));
    return described;
}

std::optional<AppWindow> X11WindowSystem::frontmostWindow()
{
    if (!m_x.isValid())
        return std::nullopt;
    // Under a window manager: the client window it calls active.
    if (!m_x.windowManagerName().isEmpty()) {
        const std::optional<xcb_window_t> active = m_x.windowProperty(m_x.root(), "_NET_ACTIVE_WINDOW");
        if (active && *active != XCB_NONE)
            return describe(*active);
    }
    // Without one: the top-level window that holds the keyboard focus.
    const xcb_window_t focus = inputFocus();
    const xcb_window_t topLevel = focus == XCB_NONE ? XCB_NONE : topLevelOf(focus);
    if (topLevel == XCB_NONE)
        return std::nullopt;
    return describe(topLevel);
}

void X11WindowSystem::activate(const AppWindow& window)
{
    if (!m_x.isValid())
        return;
    xcb_connection_t* c = m_x.connection();
    if (!m_x.windowManagerName().isEmpty()) {
        // Ask the window manager, as a pager would (source 2): it raises and focuses.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window.id;
        event.type = m_x.atom("_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 2;
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, m_x.root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    } else {
        // Nobody else will: without this the focus stays where it fell (the root)
        // and the paste goes nowhere.
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(c, window.id, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, window.id, XCB_CURRENT_TIME);
    }
    m_x.flush();
}

bool X11WindowSystem::isActive(const AppWindow& window)
{
    if (!m_x.isValid())
        return false;
    // The window manager's active window, or the input focus inside the window or
    // its frame: either id means the target has the keyboard.
    if (!m_x.windowManagerName().isEmpty()
        && m_x.windowProperty(m_x.root(), "_NET_ACTIVE_WINDOW") == std::optional<xcb_window_t>(window.id))
        return true;
    const xcb_window_t focus = inputFocus();
    if (focus == XCB_NONE)
        return false;
    return isAncestor(window.id, focus) || isAncestor(focus, window.id);
}
