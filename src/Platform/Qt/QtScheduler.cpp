#include "QtScheduler.h"

#include <QDateTime>
#include <QTimer>

QtScheduler& QtScheduler::shared()
{
    static QtScheduler* scheduler = new QtScheduler;
    return *scheduler;
}

Scheduler::Handle QtScheduler::schedule(Duration delay, std::function<void()> action)
{
    const Handle handle = ++m_next;
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, handle, timer, action = std::move(action)] {
        m_timers.remove(handle);
        timer->deleteLater();
        action();
    });
    m_timers.insert(handle, timer);
    timer->start(static_cast<int>(delay.count()));
    return handle;
}

void QtScheduler::cancel(Handle handle)
{
    if (QTimer* timer = m_timers.take(handle)) {
        timer->stop();
        timer->deleteLater();
    }
}

Scheduler::Duration QtScheduler::now() const
{
    return Duration(QDateTime::currentMSecsSinceEpoch());
}
