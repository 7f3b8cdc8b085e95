// The shared instances of the desktop program, built over the real Linux platform:
// the X11 connection, the settings file, Qt's main loop and log.

#include "AccessibilityManager.h"
#include "ClipboardService.h"
#include "GlobalHotkeyManager.h"
#include "GlobalShortcuts.h"
#include "InsertionService.h"
#include "Qt/IniSettingsStore.h"
#include "Qt/QtLogSink.h"
#include "Qt/QtScheduler.h"
#include "X11/X11Connection.h"
#include "X11/X11KeyGrabber.h"
#include "X11/X11KeystrokeHold.h"
#include "X11/X11SyntheticInput.h"
#include "X11/X11WindowSystem.h"

namespace {

// Created on first use and kept for the whole run, like the services that use them.
template <class T, class... Args>
T& lifelong(Args&&... args)
{
    static T* instance = new T(std::forward<Args>(args)...);
    return *instance;
}

X11SyntheticInput& syntheticInput()
{
    return lifelong<X11SyntheticInput>(X11Connection::shared());
}

X11WindowSystem& windowSystem()
{
    return lifelong<X11WindowSystem>(X11Connection::shared());
}

}  // namespace

AccessibilityManager& AccessibilityManager::shared()
{
    return lifelong<AccessibilityManager>(syntheticInput(), QtLogSink::shared());
}

InsertionService& InsertionService::shared()
{
    return lifelong<InsertionService>(InsertionService::Services{ClipboardService::shared(), AccessibilityManager::shared(),
                                                                windowSystem(), syntheticInput(), QtScheduler::shared(),
                                                                QtLogSink::shared()});
}

X11KeystrokeHold& X11KeystrokeHold::shared()
{
    return lifelong<X11KeystrokeHold>(X11Connection::shared(), QtScheduler::shared());
}

GlobalHotkeyManager& GlobalHotkeyManager::shared()
{
    static X11KeyGrabber* grabber = [] {
        auto* keys = new X11KeyGrabber(X11Connection::shared());
        // Keys typed after the shortcut wait from its press on; a press that opened
        // nothing lets them go.
        keys->onArmed = [](xcb_keycode_t key) { X11KeystrokeHold::shared().begin(key); };
        keys->afterReleased = [] { X11KeystrokeHold::shared().releaseUnclaimed(); };
        return keys;
    }();
    static GlobalShortcuts* shortcuts = new GlobalShortcuts(*grabber, IniSettingsStore::standard());
    return lifelong<GlobalHotkeyManager>(*shortcuts, QtLogSink::shared());
}
