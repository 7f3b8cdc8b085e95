#pragma once

// Typing on the user's behalf: the paste shortcut, sent to the focused window.
class SyntheticInput {
public:
    virtual ~SyntheticInput() = default;
    // Whether this session lets the program post key events to other programs.
    virtual bool isAvailable() = 0;
    // Ctrl+V, with any other modifier the user still holds released first.
    virtual void postPaste() = 0;
};
