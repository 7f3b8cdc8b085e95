#pragma once

#include <QString>

class SettingsStore;

// The owner of the first-run tour, as far as the rest of the program asks it: is a
// tour open, does it want this press of the shortcut or this insertion, and should
// the tour open at launch.
class OnboardingController {
public:
    static constexpr int currentVersion = 1;
    static inline const QString versionSeenKey = QStringLiteral("com.lampstride.onboardingVersionSeen");

    virtual ~OnboardingController() = default;
    static OnboardingController& shared();

    // Opens the tour, or brings an open one to the front.
    virtual void show();
    virtual bool isVisible() const;
    // True when the tour took the press (its shortcut page counts it).
    virtual bool interceptHotkey();
    // True when the tour took the text (its practice page shows it).
    virtual bool consumeInsertion(const QString& text);

    static bool shouldShow(qint64 seenVersion);
    static bool shouldShowOnLaunch(const SettingsStore& store);
};
