#include "GlobalHotkeyManager.h"

#include "LogSink.h"

GlobalHotkeyManager::GlobalHotkeyManager(GlobalShortcuts& shortcuts, LogSink& log, QObject* parent)
    : QObject(parent), m_shortcuts(shortcuts), m_log(log)
{
    m_shortcuts.declare(shortcutName, defaultShortcut);
    connect(&m_shortcuts, &GlobalShortcuts::registrationChanged, this, [this](const QString& name) {
        if (name == shortcutName) {
            reportRegistration();
            emit registrationChanged();
        }
    });
}

void GlobalHotkeyManager::start()
{
    m_shortcuts.onKeyUp(shortcutName, [this] { handleKeyUp(); });
}

GlobalShortcuts::Registration GlobalHotkeyManager::registration() const
{
    return m_shortcuts.registration(shortcutName);
}

GlobalShortcuts::Registration GlobalHotkeyManager::changeShortcut(std::optional<QKeyCombination> shortcut)
{
    const GlobalShortcuts::Registration result = m_shortcuts.setShortcut(shortcutName, shortcut);
    emit shortcutChanged();
    return result;
}

void GlobalHotkeyManager::handleKeyUp()
{
    // 1.
    m_log.log(QStringLiteral("hotkey"), LogSink::Level::Default, QStringLiteral("Гаряча клавіша спрацювала"));
    // 2. The tour may take the press.
    if (m_intercept && m_intercept())
        return;
    // 3. Toggle the panel; one never shown counts as hidden.
    if (m_panel.isVisible && m_panel.isVisible()) {
        if (m_panel.hide)
            m_panel.hide();
    } else if (m_panel.show) {
        m_panel.show();
    }
}

void GlobalHotkeyManager::reportRegistration()
{
    const std::optional<QKeyCombination> current = m_shortcuts.shortcut(shortcutName);
    const QString text = current ? GlobalShortcuts::displayText(*current) : QString();
    switch (registration()) {
    case GlobalShortcuts::Registration::Taken:
        m_log.log(QStringLiteral("hotkey"), LogSink::Level::Error,
                  QStringLiteral("Комбінацію %1 уже використовує інша програма — гаряча клавіша не працює").arg(text));
        break;
    case GlobalShortcuts::Registration::Unsupported:
        m_log.log(QStringLiteral("hotkey"), LogSink::Level::Error,
                  QStringLiteral("Клавішу комбінації %1 не знайдено на цій клавіатурі — гаряча клавіша не працює").arg(text));
        break;
    default:
        break;
    }
}
