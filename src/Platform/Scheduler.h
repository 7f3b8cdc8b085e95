#pragma once

#include <QtGlobal>

#include <chrono>
#include <functional>

// One-shot delayed actions on the main loop, and the wall clock they are timed by.
class Scheduler {
public:
    using Handle = quint64;
    using Duration = std::chrono::milliseconds;

    virtual ~Scheduler() = default;
    // Runs `action` once, on the main thread, after `delay`. A handle of 0 is never returned.
    virtual Handle schedule(Duration delay, std::function<void()> action) = 0;
    // A cancelled or already run action is not run (again); unknown handles are ignored.
    virtual void cancel(Handle handle) = 0;
    // Wall-clock time.
    virtual Duration now() const = 0;
};
