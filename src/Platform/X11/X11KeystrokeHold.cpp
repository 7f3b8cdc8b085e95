#include "X11KeystrokeHold.h"

#include "X11Connection.h"

#include <xcb/xtest.h>

#include <QLoggingCategory>

#include <cstdlib>

// Off by default; QT_LOGGING_RULES="com.lampstride.Lampstride.keyboard.debug=true" shows it.
Q_LOGGING_CATEGORY(keyboardLog, "com.lampstride.Lampstride.keyboard", QtWarningMsg)

X11KeystrokeHold::X11KeystrokeHold(X11Connection& connection, Scheduler& scheduler)
    : m_x(connection), m_scheduler(scheduler)
{
    m_x.addEventListener([this](xcb_generic_event_t* event) { handleEvent(event); });
}

void X11KeystrokeHold::hold(quint64 window)
{
    begin();
    if (!m_holding || m_target != XCB_NONE)
        return;
    m_target = static_cast<xcb_window_t>(window);
    qCDebug(keyboardLog) << "hold: until window" << m_target << "has the focus";
    pollFocus();
}

void X11KeystrokeHold::releaseUnclaimed()
{
    if (m_holding && m_target == XCB_NONE) {
        qCDebug(keyboardLog) << "hold: nobody claimed it";
        release();
    }
}

void X11KeystrokeHold::begin(xcb_keycode_t shortcutKey)
{
    if (m_holding || !m_x.isValid())
        return;
    xcb_connection_t* c = m_x.connection();
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        c, xcb_grab_keyboard(c, 0, m_x.root(), XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr);
    // Another program holding the keyboard: type-ahead goes where it would anyway.
    m_holding = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    qCDebug(keyboardLog) << "hold: grab status" << (reply ? reply->status : -1);
    std::free(reply);
    if (!m_holding)
        return;
    m_keys.clear();
    m_target = XCB_NONE;
    m_shortcutKey = shortcutKey;
    m_timeout = m_scheduler.schedule(Scheduler::Duration(1000), [this] {
        m_timeout = 0;
        qCDebug(keyboardLog) << "hold: a second is over";
        release();
    });
}

void X11KeystrokeHold::pollFocus()
{
    m_poll = 0;
    if (!m_holding)
        return;
    xcb_connection_t* c = m_x.connection();
    xcb_get_input_focus_reply_t* focus = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    xcb_window_t window = focus ? focus->focus : XCB_NONE;
    std::free(focus);
    for (int depth = 0; depth < 16 && window != XCB_NONE && window != m_x.root(); ++depth) {
        if (window == m_target) {
            qCDebug(keyboardLog) << "hold: the window has the focus";
            release();
            return;
        }
        window = m_x.parent(window);
    }
    m_poll = m_scheduler.schedule(Scheduler::Duration(5), [this] { pollFocus(); });
}

void X11KeystrokeHold::release()
{
    if (!m_holding)
        return;
    m_scheduler.cancel(m_timeout);
    m_scheduler.cancel(m_poll);
    m_timeout = 0;
    m_poll = 0;
    xcb_connection_t* c = m_x.connection();
    // Nobody else's requests between the end of the hold and the replay: a key typed
    // in that moment would otherwise overtake the ones held.
    xcb_grab_server(c);
    xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    // Keys the server sent before the ungrab may still be on their way: collect them.
    m_x.sync();
    m_holding = false;
    m_target = XCB_NONE;
    qCDebug(keyboardLog) << "release: replaying" << m_keys.size() << "key events";
    // The server ignores a press of a key it already counts as down: a key pressed
    // during the hold and not yet let go is first released, so that the replay runs
    // from the state the keys had when the hold began.
    xcb_query_keymap_reply_t* keymap = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    std::vector<bool> released(256, false);
    for (const Key& key : m_keys) {
        const bool down = keymap && (keymap->keys[key.code / 8] & (1 << (key.code % 8)));
        if (down && !released[key.code]) {
            xcb_test_fake_input(c, XCB_KEY_RELEASE, key.code, XCB_CURRENT_TIME, m_x.root(), 0, 0, 0);
            released[key.code] = true;
        }
    }
    std::free(keymap);
    for (const Key& key : m_keys)
        xcb_test_fake_input(c, key.type, key.code, XCB_CURRENT_TIME, m_x.root(), 0, 0, 0);
    m_keys.clear();
    xcb_ungrab_server(c);
    m_x.flush();
}

void X11KeystrokeHold::handleEvent(xcb_generic_event_t* event)
{
    if (!m_holding)
        return;
    const uint8_t type = event->response_type & 0x7f;
    // The shortcut's own key, up to its release, belongs to the shortcut.
    if ((type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) && m_shortcutKey
        && reinterpret_cast<xcb_key_press_event_t*>(event)->detail == m_shortcutKey) {
        if (type == XCB_KEY_RELEASE)
            m_shortcutKey = 0;
        return;
    }
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE)
        qCDebug(keyboardLog) << "held" << (type == XCB_KEY_PRESS ? "press" : "release")
                             << reinterpret_cast<xcb_key_press_event_t*>(event)->detail;
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE)
        m_keys.push_back(Key{type, reinterpret_cast<xcb_key_press_event_t*>(event)->detail});
}
