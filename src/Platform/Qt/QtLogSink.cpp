#include "QtLogSink.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(panelLog, "com.lampstride.Lampstride.panel", QtInfoMsg)
Q_LOGGING_CATEGORY(hotkeyLog, "com.lampstride.Lampstride.hotkey", QtInfoMsg)
Q_LOGGING_CATEGORY(insertionLog, "com.lampstride.Lampstride.insertion", QtInfoMsg)
Q_LOGGING_CATEGORY(otherLog, "com.lampstride.Lampstride", QtInfoMsg)

QtLogSink& QtLogSink::shared()
{
    static QtLogSink sink;
    return sink;
}

void QtLogSink::log(const QString& category, Level level, const QString& message)
{
    const QLoggingCategory& target = category == QLatin1String("panel")       ? panelLog()
                                     : category == QLatin1String("hotkey")    ? hotkeyLog()
                                     : category == QLatin1String("insertion") ? insertionLog()
                                                                              : otherLog();
    if (level == Level::Error)
        qCCritical(target).noquote() << message;
    else
        qCInfo(target).noquote() << message;
}
