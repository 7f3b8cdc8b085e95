#pragma once

#include <QtGlobal>

// Keeps what the user types between the shortcut and the moment the panel has the
// keyboard, and hands it to the panel then (on X11 those keystrokes would otherwise
// land in the window the user came from).
class KeystrokeHold {
public:
    virtual ~KeystrokeHold() = default;
    // Holds keys until `window` has the keyboard (or release() is called).
    virtual void hold(quint64 window) = 0;
    // Ends the hold and delivers what was typed to the window that has the focus now.
    virtual void release() = 0;
};
