#pragma once

#include "KeystrokeHold.h"
#include "PanelWindow.h"
#include "Scheduler.h"
#include "SearchPanelState.h"
#include "WindowSystem.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class InsertionPreferences;
class LogSink;

// Owns the floating panel: one window for the whole run, shown over the program the
// user works in (which it remembers for the insertion), centred unless the user moved
// it, hidden on focus loss or after an insertion, reset 10 s after hiding; and the
// keys it looks at before the view: Ctrl+C, the arrows of the chapter mode and "=".
class SearchPanelController : public QObject {
    Q_OBJECT

public:
    static constexpr int panelWidth = 560;
    static constexpr int initialHeight = 90;
    static constexpr Scheduler::Duration resetDelay{10'000};
    static constexpr Scheduler::Duration longPressThreshold{500};
    static constexpr Scheduler::Duration typingStep{55};

    struct Services {
        WindowSystem& windows;
        Scheduler& scheduler;
        LogSink& log;
        InsertionPreferences& preferences;
        // Builds the panel window around the view (once).
        std::function<std::unique_ptr<PanelWindow>(SearchPanelController&)> makeWindow;
        // Inserts text into a window (the insertion service).
        std::function<void(const QString&, const std::optional<AppWindow>&)> insert;
        // The tour may take an insertion.
        std::function<bool(const QString&)> consumeInsertion;
        // Optional: keeps keystrokes typed before the panel has the keyboard.
        KeystrokeHold* keystrokes = nullptr;
    };

    SearchPanelController(const SearchPanelServices& stateServices, const Services& services, QObject* parent = nullptr);
    ~SearchPanelController() override;
    static SearchPanelController& shared();

    SearchPanelState& state() { return m_state; }
    InsertionPreferences& preferences() { return m_services.preferences; }
    PanelWindow* window() const { return m_window.get(); }
    const std::optional<AppWindow>& previousApp() const { return m_previousApp; }
    bool userHasRepositioned() const { return m_userHasRepositioned; }
    bool isVisible() const { return m_window && m_window->isVisible(); }

    void preload();
    void show();
    void show(const std::optional<QString>& typing);
    void hide();
    void toggle();
    // The view's confirmed selection.
    void onInsert(const QString& text);
    // Keys of the panel before the view sees them; true consumes.
    bool handleKey(const PanelKeyEvent& event);

private:
    void makePanel();
    void centerOnActiveScreen();
    void adjustHeight(int height);
    void typeNext(QString text, qsizetype count, qsizetype total);
    void cancelTyping();
    void log(const QString& message);

    SearchPanelState m_state;
    Services m_services;
    std::unique_ptr<PanelWindow> m_window;
    std::optional<AppWindow> m_previousApp;
    Scheduler::Handle m_pendingReset = 0;
    Scheduler::Handle m_typingStep = 0;
    Scheduler::Handle m_longPress = 0;
    bool m_longPressFired = false;
    bool m_equalsDown = false;
    bool m_userHasRepositioned = false;
};
