#include "OnboardingController.h"

#include "SettingsStore.h"

void OnboardingController::show() {}

bool OnboardingController::isVisible() const
{
    return false;
}

bool OnboardingController::interceptHotkey()
{
    return false;
}

bool OnboardingController::consumeInsertion(const QString&)
{
    return false;
}

bool OnboardingController::shouldShow(qint64 seenVersion)
{
    return seenVersion < currentVersion;
}

bool OnboardingController::shouldShowOnLaunch(const SettingsStore& store)
{
    return shouldShow(store.integerValue(versionSeenKey).value_or(0));
}

OnboardingController& OnboardingController::shared()
{
    static OnboardingController controller;
    return controller;
}
