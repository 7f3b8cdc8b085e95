#pragma once

// Stand-ins for the platform seams: a virtual clock, a window system whose target
// becomes active when told, synthetic input that records, a log that lists lines,
// and a key grabber whose "taken" set is chosen by the test.

#include "KeyGrabber.h"
#include "LogSink.h"
#include "Scheduler.h"
#include "SyntheticInput.h"
#include "WindowSystem.h"

#include <QSet>
#include <QStringList>

#include <map>

class FakeScheduler : public Scheduler {
public:
    Handle schedule(Duration delay, std::function<void()> action) override
    {
        const Handle handle = ++m_next;
        m_pending.emplace(std::make_pair(m_now + delay, handle), std::move(action));
        return handle;
    }
    void cancel(Handle handle) override
    {
        for (auto it = m_pending.begin(); it != m_pending.end(); ++it)
            if (it->first.second == handle) {
                m_pending.erase(it);
                return;
            }
    }
    Duration now() const override { return m_now; }

    // Moves the clock forward, running each action when its time comes, in order.
    void advance(Duration by)
    {
        const Duration end = m_now + by;
        while (!m_pending.empty() && m_pending.begin()->first.first <= end) {
            auto next = m_pending.begin();
            m_now = next->first.first;
            std::function<void()> action = std::move(next->second);
            m_pending.erase(next);
            action();
        }
        m_now = end;
    }
    size_t pendingCount() const { return m_pending.size(); }

private:
    Duration m_now{1'000'000};
    Handle m_next = 0;
    std::map<std::pair<Duration, Handle>, std::function<void()>> m_pending;
};

class FakeWindowSystem : public WindowSystem {
public:
    explicit FakeWindowSystem(const FakeScheduler& clock) : m_clock(clock) {}

    std::optional<AppWindow> frontmost;
    qint64 pid = 4242;
    // The target counts as active from this time on (never when absent).
    std::optional<Scheduler::Duration> activeFrom;
    QList<Scheduler::Duration> activations;
    QList<Scheduler::Duration> checks;

    std::optional<AppWindow> frontmostWindow() override { return frontmost; }
    void activate(const AppWindow&) override { activations.append(m_clock.now()); }
    bool isActive(const AppWindow&) override
    {
        checks.append(m_clock.now());
        return activeFrom && m_clock.now() >= *activeFrom;
    }
    qint64 ownPid() const override { return pid; }

private:
    const FakeScheduler& m_clock;
};

class FakeSyntheticInput : public SyntheticInput {
public:
    explicit FakeSyntheticInput(const FakeScheduler& clock) : m_clock(clock) {}

    bool available = true;
    QList<Scheduler::Duration> pastes;

    bool isAvailable() override { return available; }
    void postPaste() override { pastes.append(m_clock.now()); }

private:
    const FakeScheduler& m_clock;
};

class RecordingLogSink : public LogSink {
public:
    QStringList lines;  // "insertion/error: message"
    void log(const QString& category, Level level, const QString& message) override
    {
        lines.append(category + (level == Level::Error ? "/error: " : "/default: ") + message);
    }
};

class FakeKeyGrabber : public KeyGrabber {
public:
    QSet<QKeyCombination> takenElsewhere;
    QSet<QKeyCombination> unsupported;
    QList<QKeyCombination> grabbed;

    Result grab(QKeyCombination combination) override
    {
        if (unsupported.contains(combination))
            return Result::Unsupported;
        if (takenElsewhere.contains(combination))
            return Result::Taken;
        grabbed.append(combination);
        return Result::Grabbed;
    }
    void ungrab(QKeyCombination combination) override { grabbed.removeAll(combination); }
    bool isTakenElsewhere(QKeyCombination combination) override { return takenElsewhere.contains(combination); }

    // The user presses and releases a combination.
    void release(QKeyCombination combination)
    {
        if (grabbed.contains(combination) && onReleased)
            onReleased(combination);
    }
};
