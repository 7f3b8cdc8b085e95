#include "ShortcutRecorder.h"

#include "GlobalHotkeyManager.h"
#include "ShortcutValidator.h"

ShortcutRecorder::ShortcutRecorder(const Services& services, QObject* parent)
    : QObject(parent), m_services(services)
{
    // A change made elsewhere (another recorder) shows here, unless this one records.
    connect(&m_services.hotkey, &GlobalHotkeyManager::shortcutChanged, this, [this] {
        if (!m_recording)
            refresh();
    });
}

QString ShortcutRecorder::title() const
{
    if (m_recording)
        return QStringLiteral("Натисніть комбінацію…");
    const std::optional<QKeyCombination> current =
        m_services.hotkey.shortcuts().shortcut(GlobalHotkeyManager::shortcutName);
    return current ? GlobalShortcuts::displayText(*current) : QStringLiteral("Не задано");
}

void ShortcutRecorder::refresh()
{
    emit titleChanged();
}

void ShortcutRecorder::setRecording(bool recording)
{
    const bool was = m_recording;
    m_recording = recording;
    // 1. No change: only the title.
    if (was != recording) {
        // 2.–3. The shortcut is off while recording, so pressing it is recorded.
        if (recording)
            m_services.hotkey.shortcuts().suspend({GlobalHotkeyManager::shortcutName});
        else
            m_services.hotkey.shortcuts().resume({GlobalHotkeyManager::shortcutName});
        emit isRecordingChanged();
    }
    refresh();
}

void ShortcutRecorder::startRecording()
{
    emit problemChanged(QString());
    setRecording(true);
}

void ShortcutRecorder::clearShortcut()
{
    setRecording(false);
    apply(std::nullopt);
}

void ShortcutRecorder::focusLost()
{
    setRecording(false);
}

bool ShortcutRecorder::keyPressed(int key, int modifiers, quint32 scanCode)
{
    // 1.
    if (!m_recording)
        return false;
    // 2. Escape: stop, store nothing.
    if (key == Qt::Key_Escape) {
        setRecording(false);
        return true;
    }
    // 3. Backspace or Delete: no shortcut at all.
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        setRecording(false);
        apply(std::nullopt);
        return true;
    }
    // 4. A key that cannot form a shortcut (a modifier alone): keep waiting.
    const std::optional<Qt::Key> base = m_services.baseKey(key, scanCode);
    if (!base)
        return true;
    const Qt::KeyboardModifiers mods = Qt::KeyboardModifiers(modifiers)
        & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QKeyCombination shortcut(mods, *base);
    // 5.–6. Refused: say why, beep, keep recording.
    const std::optional<QString> problem = ShortcutValidator::problem(
        shortcut, m_services.systemShortcuts(shortcut), m_services.desktopName());
    if (problem) {
        emit problemChanged(*problem);
        m_services.beep();
        return true;
    }
    // 7. Accepted.
    setRecording(false);
    apply(shortcut);
    return true;
}

void ShortcutRecorder::apply(std::optional<QKeyCombination> shortcut)
{
    // 1.–4. Stored (the manager tells every observer), problem cleared, title updated.
    m_services.hotkey.changeShortcut(shortcut);
    emit problemChanged(QString());
    refresh();
}
