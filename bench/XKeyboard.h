#pragma once

// The measuring programs' hands and eyes on a private X server: key presses through
// XTest, and what the server says of focus, windows and titles.

#include <QString>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <cstring>

class XKeyboard {
public:
    explicit XKeyboard(const QString& display)
    {
        c = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        symbols = xcb_key_symbols_alloc(c);
    }
    ~XKeyboard()
    {
        xcb_key_symbols_free(symbols);
        xcb_disconnect(c);
    }
    XKeyboard(const XKeyboard&) = delete;
    XKeyboard& operator=(const XKeyboard&) = delete;

    void key(xcb_keysym_t keysym, bool press)
    {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
        xcb_test_fake_input(c, press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, codes[0], XCB_CURRENT_TIME, root, 0, 0, 0);
        std::free(codes);
        xcb_flush(c);
    }
    void chord(xcb_keysym_t modifier, xcb_keysym_t k)
    {
        key(modifier, true);
        key(k, true);
        key(k, false);
        key(modifier, false);
    }

    // The window that has the keyboard focus.
    xcb_window_t focus()
    {
        auto* r = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
        const xcb_window_t w = r ? r->focus : XCB_NONE;
        std::free(r);
        return w;
    }
    bool viewable(xcb_window_t window)
    {
        auto* r = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
        const bool mapped = r && r->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(r);
        return mapped;
    }
    // The window's _NET_WM_NAME.
    QString title(xcb_window_t window)
    {
        const xcb_atom_t name = atom("_NET_WM_NAME");
        const xcb_atom_t utf8 = atom("UTF8_STRING");
        auto* r = xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, utf8, 0, 1024), nullptr);
        const QString t = r ? QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(r)),
                                                xcb_get_property_value_length(r))
                            : QString();
        std::free(r);
        return t;
    }

private:
    xcb_atom_t atom(const char* name)
    {
        auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    }

    xcb_connection_t* c;
    xcb_window_t root;
    xcb_key_symbols_t* symbols;
};
