#pragma once

#include <functional>

// What the program does once it has started, in this order. Each step is given by
// the caller, so the order itself can be checked on its own.
struct LaunchSequence {
    std::function<void()> keepResponsive;
    std::function<void()> startHotkey;
    std::function<void()> preloadPanel;
    std::function<bool()> shouldShowTour;
    std::function<void()> showTour;
    std::function<void()> promptForAccess;

    void run() const;
};
