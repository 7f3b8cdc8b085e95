#pragma once

#include <QKeyCombination>

#include <functional>

// System-wide key combinations: taken from every other program while grabbed.
class KeyGrabber {
public:
    enum class Result {
        Grabbed,
        Taken,        // another program holds the combination
        Unsupported,  // the key cannot be grabbed on this keyboard
    };

    virtual ~KeyGrabber() = default;
    virtual Result grab(QKeyCombination combination) = 0;
    virtual void ungrab(QKeyCombination combination) = 0;
    // Asks without keeping it: would a grab succeed now?
    virtual bool isTakenElsewhere(QKeyCombination combination) = 0;

    // Called on the release of a grabbed combination's key, after its press.
    std::function<void(QKeyCombination)> onReleased;
};
