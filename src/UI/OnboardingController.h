#pragma once

#include "OnboardingModel.h"

#include <QString>

#include <functional>
#include <memory>

class SettingsStore;

// The tour's window as its controller sees it.
class TourWindow {
public:
    virtual ~TourWindow() = default;
    // Shows the window (or brings it forward) and gives it the keyboard.
    virtual void present() = 0;
    virtual bool isVisible() const = 0;
    // Fades the window out over 0.25 s, then closes it.
    virtual void fadeOutAndClose() = 0;
};

// The single owner of the first-run tour: opens its window with a fresh model,
// closes it and remembers that it was seen, and answers the two questions the rest
// of the program asks while a tour may be open (does it want this press of the
// shortcut, does it want this insertion).
class OnboardingController {
public:
    static constexpr int currentVersion = 1;
    static inline const QString versionSeenKey = QStringLiteral("com.lampstride.onboardingVersionSeen");

    struct Services {
        OnboardingModel::Services model;
        SettingsStore& store;
        // Builds the window over a model; the window calls windowClosed() whenever
        // it closes, however that happens.
        std::function<std::unique_ptr<TourWindow>(OnboardingModel& model, OnboardingController& owner)> makeWindow;
    };

    explicit OnboardingController(Services services);
    ~OnboardingController();
    // The program's instance (built with the desktop's services).
    static OnboardingController& shared();

    // Opens the tour, or brings an open one to the front.
    void show();
    // The model's end: fade the window out and close it.
    void finish();
    // Every close of the window ends the tour and records it as seen.
    void windowClosed();

    bool isVisible() const;
    // True when the tour took the press (its shortcut page counts it).
    bool interceptHotkey();
    // True when the tour took the text (its practice page shows it).
    bool consumeInsertion(const QString& text);

    OnboardingModel* model() const { return m_model.get(); }

    static bool shouldShow(qint64 seenVersion);
    static bool shouldShowOnLaunch(const SettingsStore& store);

private:
    // Deleted in a later turn of the event loop: the window's view may still be
    // reading it while it closes.
    struct LaterDeleter {
        void operator()(QObject* object) const;
    };

    Services m_services;
    std::unique_ptr<OnboardingModel, LaterDeleter> m_model;
    std::unique_ptr<TourWindow> m_window;
};
