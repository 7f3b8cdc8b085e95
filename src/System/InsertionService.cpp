#include "InsertionService.h"

#include "AccessibilityManager.h"
#include "ClipboardService.h"
#include "LogSink.h"
#include "SyntheticInput.h"

#include <QPointer>

namespace {

// The window's name for the log: its title, else its class, else "?".
QString labelOf(const AppWindow& window)
{
    if (!window.name.isEmpty())
        return window.name;
    return window.className.isEmpty() ? QStringLiteral("?") : window.className;
}

QString nameOf(const AppWindow& window)
{
    return window.name.isEmpty() ? QStringLiteral("?") : window.name;
}

}  // namespace

InsertionService::InsertionService(const Services& services, QObject* parent) : QObject(parent), m_services(services) {}

void InsertionService::log(bool error, const QString& message)
{
    m_services.log.log(QStringLiteral("insertion"), error ? LogSink::Level::Error : LogSink::Level::Default, message);
}

void InsertionService::insert(const QString& text, const std::optional<AppWindow>& restoreFocusTo)
{
    // 1. The text is on the clipboard in every outcome below.
    m_services.clipboard.copyTransient(text);
    // 2. No permission to type: the user pastes by hand.
    if (!m_services.accessibility.isTrusted()) {
        log(false, QStringLiteral("Синтетичне введення не дозволено (X-сервер без XTest) — текст лишається в буфері"));
        m_services.accessibility.promptForAccess();
        m_services.accessibility.openSystemSettings();
        return;
    }
    // 3. Nobody to give the focus back to.
    if (!restoreFocusTo) {
        log(true, QStringLiteral("previousApp == nil — нема кому повертати фокус, текст лишається в буфері"));
        return;
    }
    // 4. Never paste into ourselves.
    if (restoreFocusTo->pid == m_services.windows.ownPid()) {
        log(true, QStringLiteral("previousApp виявився самим Lampstride — пропускаю вставку, щоб не зациклитись"));
        return;
    }
    // 5.–8. Activate, then check at once and every 0.02 s until the deadline.
    log(false, QStringLiteral("Активую %1 (pid %2) і чекаю підтвердження").arg(labelOf(*restoreFocusTo)).arg(restoreFocusTo->pid));
    m_services.windows.activate(*restoreFocusTo);
    const Scheduler::Duration deadline = m_services.scheduler.now() + activationDeadline;
    waitForActivation(*restoreFocusTo, deadline);
}

void InsertionService::waitForActivation(const AppWindow& window, Scheduler::Duration deadline)
{
    // 1. Active: paste.
    if (m_services.windows.isActive(window)) {
        log(false, QStringLiteral("%1 активний — надсилаю Ctrl+V за 50мс").arg(nameOf(window)));
        fireCommandV();
        return;
    }
    // 2. Out of time: paste anyway.
    if (m_services.scheduler.now() >= deadline) {
        log(true, QStringLiteral("Не дочекався активації %1 за 0.6с — все одно пробую Ctrl+V").arg(nameOf(window)));
        fireCommandV();
        return;
    }
    // 3. Look again shortly; a service that is gone does nothing.
    QPointer<InsertionService> self(this);
    m_services.scheduler.schedule(activationPollInterval, [self, window, deadline] {
        if (self)
            self->waitForActivation(window, deadline);
    });
}

void InsertionService::fireCommandV()
{
    // 1. The key press shortly after the decision.
    SyntheticInput& input = m_services.input;
    m_services.scheduler.schedule(pasteDelay, [&input] { input.postPaste(); });
    // 2. The restore is timed from the decision too, whether or not the press landed.
    scheduleClipboardRestore();
}

void InsertionService::scheduleClipboardRestore()
{
    ClipboardService& clipboard = m_services.clipboard;
    m_services.scheduler.schedule(restoreDelay, [&clipboard] { clipboard.restorePreviousIfNeeded(); });
}
