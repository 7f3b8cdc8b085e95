// The program's tour: its controller over the real window, the settings file, the
// X11 keyboard and the shared services.

#include "AccessibilityManager.h"
#include "BibleDatabase.h"
#include "DesktopRecorder.h"
#include "GlobalHotkeyManager.h"
#include "LaunchAtLogin.h"
#include "OnboardingController.h"
#include "OnboardingWindow.h"
#include "Qt/IniSettingsStore.h"
#include "Qt/QtScheduler.h"
#include "SearchPanelController.h"

OnboardingController& OnboardingController::shared()
{
    static OnboardingController* controller = new OnboardingController(Services{
        OnboardingModel::Services{
            QtScheduler::shared(),
            [] { return AccessibilityManager::shared().isTrusted(); },
            [] { AccessibilityManager::shared().promptForAccess(); },
            [] { AccessibilityManager::shared().openSystemSettings(); },
            GlobalHotkeyManager::shared(),
            [] { return LaunchAtLogin::isEnabled(); },
            [](bool enabled) { return LaunchAtLogin::setEnabled(enabled); },
            [](const std::optional<QString>& typing) { SearchPanelController::shared().show(typing); },
        },
        IniSettingsStore::standard(),
        [](OnboardingModel& model, OnboardingController& owner) -> std::unique_ptr<TourWindow> {
            BibleDatabase* database = BibleDatabase::shared();
            return std::make_unique<OnboardingWindow>(
                model, [&owner] { owner.windowClosed(); },
                OnboardingWindow::Services{desktopRecorderServices(),
                                           database ? database->translation() : QString(), QtScheduler::shared()});
        },
    });
    return *controller;
}
