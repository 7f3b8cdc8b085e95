#pragma once

#include "LogSink.h"

// The log through Qt's logging categories "com.lampstride.Lampstride.<category>":
// the default level as info, the error level as critical. QT_LOGGING_RULES selects.
class QtLogSink : public LogSink {
public:
    static QtLogSink& shared();
    void log(const QString& category, Level level, const QString& message) override;
};
