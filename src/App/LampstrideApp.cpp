#include "LampstrideApp.h"

#include "LaunchSequence.h"

#include "AccessibilityManager.h"
#include "BibleDatabase.h"
#include "GlobalHotkeyManager.h"
#include "InsertionPreferences.h"
#include "LaunchAtLogin.h"
#include "OnboardingController.h"
#include "Qt/IniSettingsStore.h"
#include "Qt/QtLogSink.h"
#include "SearchPanelController.h"
#include "SettingsMigration.h"
#include "SettingsWindow.h"
#include "TrayMenu.h"
#include "DesktopRecorder.h"

#include <QApplication>
#include <QFileInfo>


LampstrideApp::LampstrideApp()
{
    // Before anything reads a preference: the one-time copy from an older version.
    const QString legacyPath = QFileInfo(IniSettingsStore::standard().fileName()).absolutePath()
        + QStringLiteral("/") + SettingsMigration::legacyDomain + QStringLiteral(".ini");
    std::unique_ptr<IniSettingsStore> legacy =
        QFileInfo::exists(legacyPath) ? IniSettingsStore::atPath(legacyPath) : nullptr;
    SettingsMigration::run(IniSettingsStore::standard(), applicationId, legacy.get());

    m_settings = std::make_unique<SettingsWindow>([] {
        BibleDatabase* database = BibleDatabase::shared();
        return SettingsViewModel::Services{
            InsertionPreferences::shared(),
            GlobalHotkeyManager::shared(),
            desktopRecorderServices(),
            [] { return LaunchAtLogin::isEnabled(); },
            [](bool enabled) { return LaunchAtLogin::setEnabled(enabled); },
            [] { OnboardingController::shared().show(); },
            database ? database->translation() : QStringLiteral("?"),
            QApplication::applicationVersion(),
            QString(),
        };
    });
}

LampstrideApp::~LampstrideApp() = default;

void LampstrideApp::launch()
{
    GlobalHotkeyManager& hotkey = GlobalHotkeyManager::shared();
    SearchPanelController& panel = SearchPanelController::shared();
    hotkey.setPanel({[&panel] { return panel.isVisible(); }, [&panel] { panel.show(); }, [&panel] { panel.hide(); }});
    hotkey.setInterceptor([] { return OnboardingController::shared().interceptHotkey(); });

    // The tray menu, before the sequence (it exists as soon as the program does).
    m_tray = std::make_unique<TrayMenu>(hotkey, TrayMenu::Actions{
                                                    [&panel] { panel.show(); },
                                                    [] { OnboardingController::shared().show(); },
                                                    [this] { openSettings(); },
                                                    [] { QApplication::quit(); },
                                                });

    LaunchSequence{
        // Nothing to do on Linux: no process is put to sleep for sitting in the tray.
        [] {},
        [&hotkey] { hotkey.start(); },
        [&panel, &hotkey] {
            panel.preload();
            // Ready: the shortcut holds and the panel waits, built.
            if (const auto shortcut = hotkey.shortcuts().shortcut(GlobalHotkeyManager::shortcutName);
                shortcut && hotkey.registration() == GlobalShortcuts::Registration::Active) {
                QtLogSink::shared().log(QStringLiteral("hotkey"), LogSink::Level::Default,
                                        QStringLiteral("Lampstride готовий: %1 відкриває пошук")
                                            .arg(GlobalShortcuts::displayText(*shortcut)));
            }
        },
        [] { return OnboardingController::shouldShowOnLaunch(IniSettingsStore::standard()); },
        [] { OnboardingController::shared().show(); },
        // On X11 the question is only whether XTest is there; a missing one is logged.
        [] { AccessibilityManager::shared().promptForAccess(); },
    }.run();
}

void LampstrideApp::handleRequest(const QString& request)
{
    if (request == QLatin1String("settings"))
        openSettings();
    else
        SearchPanelController::shared().show();
}

void LampstrideApp::openSettings()
{
    m_settings->open();
}
