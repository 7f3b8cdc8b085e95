#pragma once

#include "KeystrokeHold.h"
#include "Scheduler.h"

#include <vector>

#include <xcb/xcb.h>

class X11Connection;

// Takes the whole keyboard (an active grab on the root window) while the panel comes
// up; every key event meanwhile is kept and, once the panel has the focus, replayed
// in order through XTest, so it reaches the panel as if typed there. The grab never
// outlasts a second.
class X11KeystrokeHold : public KeystrokeHold {
public:
    X11KeystrokeHold(X11Connection& connection, Scheduler& scheduler);

    void hold() override;
    void release() override;

private:
    struct Key {
        uint8_t type;
        xcb_keycode_t code;
    };
    void handleEvent(xcb_generic_event_t* event);

    X11Connection& m_x;
    Scheduler& m_scheduler;
    bool m_holding = false;
    Scheduler::Handle m_timeout = 0;
    std::vector<Key> m_keys;
};
