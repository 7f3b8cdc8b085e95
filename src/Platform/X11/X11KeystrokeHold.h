#pragma once

#include "KeystrokeHold.h"
#include "Scheduler.h"

#include <vector>

#include <xcb/xcb.h>

class X11Connection;

// Takes the whole keyboard (an active grab on the root window) while the panel comes
// up; every key event meanwhile is kept and, once the panel has the focus, replayed
// in order through XTest, so it reaches the panel as if typed there. The hold ends
// when the server reports the panel as the focus window (asked every 5 ms, which
// does not depend on how a toolkit reads focus events during a grab), and never
// outlasts a second.
class X11KeystrokeHold : public KeystrokeHold {
public:
    X11KeystrokeHold(X11Connection& connection, Scheduler& scheduler);

    // Starts holding before it is known for which window: at the press of the
    // shortcut, whose own key is not held (it belongs to the shortcut).
    void begin(xcb_keycode_t shortcutKey = 0);
    void hold(quint64 window) override;
    void release() override;
    // Ends a hold that no window claimed (the shortcut did not open the panel).
    void releaseUnclaimed();

    static X11KeystrokeHold& shared();

private:
    struct Key {
        uint8_t type;
        xcb_keycode_t code;
    };
    void handleEvent(xcb_generic_event_t* event);
    void pollFocus();

    X11Connection& m_x;
    Scheduler& m_scheduler;
    bool m_holding = false;
    Scheduler::Handle m_timeout = 0;
    Scheduler::Handle m_poll = 0;
    xcb_window_t m_target = XCB_NONE;
    xcb_keycode_t m_shortcutKey = 0;
    std::vector<Key> m_keys;
};
