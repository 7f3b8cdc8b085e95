#include "X11KeystrokeHold.h"

#include "X11Connection.h"

#include <xcb/xtest.h>

#include <cstdlib>

X11KeystrokeHold::X11KeystrokeHold(X11Connection& connection, Scheduler& scheduler)
    : m_x(connection), m_scheduler(scheduler)
{
    m_x.addEventListener([this](xcb_generic_event_t* event) { handleEvent(event); });
}

void X11KeystrokeHold::hold()
{
    if (m_holding || !m_x.isValid())
        return;
    xcb_connection_t* c = m_x.connection();
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        c, xcb_grab_keyboard(c, 0, m_x.root(), XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr);
    // Another program holding the keyboard: type-ahead goes where it would anyway.
    m_holding = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    if (!m_holding)
        return;
    m_keys.clear();
    m_timeout = m_scheduler.schedule(Scheduler::Duration(1000), [this] {
        m_timeout = 0;
        release();
    });
}

void X11KeystrokeHold::release()
{
    if (!m_holding)
        return;
    m_scheduler.cancel(m_timeout);
    m_timeout = 0;
    xcb_connection_t* c = m_x.connection();
    // Nobody else's requests between the end of the hold and the replay: a key typed
    // in that moment would otherwise overtake the ones held.
    xcb_grab_server(c);
    xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    // Keys the server sent before the ungrab may still be on their way: collect them.
    m_x.sync();
    m_holding = false;
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
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE)
        m_keys.push_back(Key{type, reinterpret_cast<xcb_key_press_event_t*>(event)->detail});
}
