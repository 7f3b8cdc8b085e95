#pragma once

#include "Scheduler.h"
#include "WindowSystem.h"

#include <QObject>

#include <optional>

class AccessibilityManager;
class ClipboardService;
class LogSink;
class SyntheticInput;

// Puts text into the window the user was typing in: the text goes on the clipboard
// (marked transient, the old content kept), that window is activated, the program
// waits until it is active, sends Ctrl+V, and puts the old clipboard back.
class InsertionService : public QObject {
    Q_OBJECT

public:
    struct Services {
        ClipboardService& clipboard;
        AccessibilityManager& accessibility;
        WindowSystem& windows;
        SyntheticInput& input;
        Scheduler& scheduler;
        LogSink& log;
    };

    static constexpr Scheduler::Duration activationDeadline{600};
    static constexpr Scheduler::Duration activationPollInterval{20};
    static constexpr Scheduler::Duration pasteDelay{50};
    static constexpr Scheduler::Duration restoreDelay{400};

    explicit InsertionService(const Services& services, QObject* parent = nullptr);
    static InsertionService& shared();

    void insert(const QString& text, const std::optional<AppWindow>& restoreFocusTo);

private:
    void waitForActivation(const AppWindow& window, Scheduler::Duration deadline);
    void fireCommandV();
    void scheduleClipboardRestore();
    void log(bool error, const QString& message);

    Services m_services;
};
