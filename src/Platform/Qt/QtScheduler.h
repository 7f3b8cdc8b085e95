#pragma once

#include "Scheduler.h"

#include <QHash>
#include <QObject>

class QTimer;

// Delayed actions as one-shot timers on the Qt main loop.
class QtScheduler : public QObject, public Scheduler {
    Q_OBJECT

public:
    using QObject::QObject;
    static QtScheduler& shared();

    Handle schedule(Duration delay, std::function<void()> action) override;
    void cancel(Handle handle) override;
    Duration now() const override;

private:
    Handle m_next = 0;
    QHash<Handle, QTimer*> m_timers;
};
