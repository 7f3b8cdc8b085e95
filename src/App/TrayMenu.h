#pragma once

#include <QObject>

#include <functional>

class GlobalHotkeyManager;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The tray icon and its menu: open the search, the tour, Settings, quit. Without a
// tray host the program runs on (the shortcut still works) and says so once.
class TrayMenu : public QObject {
    Q_OBJECT

public:
    struct Actions {
        std::function<void()> openSearch;
        std::function<void()> showTour;
        std::function<void()> openSettings;
        std::function<void()> quit;
    };

    TrayMenu(GlobalHotkeyManager& hotkey, const Actions& actions, QObject* parent = nullptr);
    ~TrayMenu() override;

    QMenu* menu() const { return m_menu; }
    bool isShown() const;

private:
    // "Відкрити пошук" shows the current shortcut.
    void updateSearchShortcut();

    GlobalHotkeyManager& m_hotkey;
    QMenu* m_menu;
    QAction* m_openSearch;
    QSystemTrayIcon* m_icon = nullptr;
};

// The program's icon (a closed book), for the tray and the windows.
class QIcon;
QIcon lampstrideIcon();
