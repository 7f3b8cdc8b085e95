#pragma once

#include <QString>

// The program's log: categories "panel", "hotkey" and "insertion" of the subsystem
// "com.lampstride.Lampstride", at the default and the error level.
class LogSink {
public:
    enum class Level { Default, Error };

    virtual ~LogSink() = default;
    virtual void log(const QString& category, Level level, const QString& message) = 0;
};
