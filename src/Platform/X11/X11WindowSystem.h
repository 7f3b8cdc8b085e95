#pragma once

#include "WindowSystem.h"

#include <xcb/xcb.h>

class X11Connection;

// Windows on X11 by the EWMH conventions when a window manager runs (the active
// window, activation by request), and by plain input focus when none does.
class X11WindowSystem : public WindowSystem {
public:
    explicit X11WindowSystem(X11Connection& connection);

    std::optional<AppWindow> frontmostWindow() override;
    void activate(const AppWindow& window) override;
    bool isActive(const AppWindow& window) override;
    qint64 ownPid() const override;

    AppWindow describe(xcb_window_t window);

private:
    xcb_window_t inputFocus();
    // The child of the root that holds the window (the window itself, or its frame).
    xcb_window_t topLevelOf(xcb_window_t window);
    bool isAncestor(xcb_window_t ancestor, xcb_window_t window);

    X11Connection& m_x;
};
