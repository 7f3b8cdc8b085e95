#pragma once

#include <QObject>

#include <memory>

class SettingsWindow;
class SingleInstance;
class TrayMenu;

// The program: migration at construction, then the launch sequence (shortcut, panel,
// tour or permission), the tray menu and the Settings window.
class LampstrideApp : public QObject {
    Q_OBJECT

public:
    static inline const QString applicationId = QStringLiteral("com.lampstride.Lampstride");

    LampstrideApp();
    ~LampstrideApp() override;

    // Requests a second start can forward: "show" (the panel), "settings".
    void handleRequest(const QString& request);
    void launch();
    void openSettings();

private:
    std::unique_ptr<TrayMenu> m_tray;
    std::unique_ptr<SettingsWindow> m_settings;
};
