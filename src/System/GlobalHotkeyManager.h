#pragma once

#include "GlobalShortcuts.h"

#include <QObject>

#include <functional>

class LogSink;

// The one system-wide shortcut, `toggleSearchPanel` (Alt+Space unless the user chose
// another): on its release the panel opens or closes, unless the tour wants the press.
class GlobalHotkeyManager : public QObject {
    Q_OBJECT

public:
    static inline const QString shortcutName = QStringLiteral("toggleSearchPanel");
    static inline const QKeyCombination defaultShortcut{Qt::AltModifier, Qt::Key_Space};
    // Posted (as a Qt signal of the shared instance) after the program changes the shortcut.
    static inline const QString shortcutDidChange = QStringLiteral("com.lampstride.shortcutDidChange");

    // What the handler toggles; set by the panel's controller.
    struct Panel {
        std::function<bool()> isVisible;
        std::function<void()> show;
        std::function<void()> hide;
    };

    GlobalHotkeyManager(GlobalShortcuts& shortcuts, LogSink& log, QObject* parent = nullptr);
    static GlobalHotkeyManager& shared();

    void setPanel(Panel panel) { m_panel = std::move(panel); }
    // Offered every press first; true means the tour consumed it.
    void setInterceptor(std::function<bool()> intercept) { m_intercept = std::move(intercept); }

    // Registers the key-up handler; a combination another program holds is logged.
    void start();
    GlobalShortcuts& shortcuts() { return m_shortcuts; }
    GlobalShortcuts::Registration registration() const;

    // Stores a new shortcut (or none) and tells every observer.
    GlobalShortcuts::Registration changeShortcut(std::optional<QKeyCombination> shortcut);

signals:
    void shortcutChanged();
    void registrationChanged();

private:
    void handleKeyUp();
    void reportRegistration();

    GlobalShortcuts& m_shortcuts;
    LogSink& m_log;
    Panel m_panel;
    std::function<bool()> m_intercept;
};
