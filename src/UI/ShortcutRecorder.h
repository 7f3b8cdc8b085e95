#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class GlobalHotkeyManager;

// The logic of the control that records a new global shortcut: idle, showing the
// shortcut, or recording, with the shortcut suspended so that pressing it is
// recorded instead of toggling the panel. Refused combinations are reported (and
// beeped at) and recording goes on.
class ShortcutRecorder : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isRecording READ isRecording NOTIFY isRecordingChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)

public:
    struct Services {
        GlobalHotkeyManager& hotkey;
        // The base key of a pressed key (its unshifted symbol), or nothing for keys
        // that cannot be part of a shortcut (modifiers alone).
        std::function<std::optional<Qt::Key>(int qtKey, quint32 scanCode)> baseKey;
        // The combinations other programs hold, asked afresh each time.
        std::function<QList<QKeyCombination>(QKeyCombination candidate)> systemShortcuts;
        std::function<QString()> desktopName;
        std::function<void()> beep;
    };

    explicit ShortcutRecorder(const Services& services, QObject* parent = nullptr);

    bool isRecording() const { return m_recording; }
    QString title() const;

    Q_INVOKABLE void startRecording();
    Q_INVOKABLE void clearShortcut();
    // A key pressed while the control has the keyboard; true when it was used.
    Q_INVOKABLE bool keyPressed(int key, int modifiers, quint32 scanCode);
    Q_INVOKABLE void focusLost();

signals:
    void isRecordingChanged();
    void titleChanged();
    // The message for the surrounding screen; empty means no problem.
    void problemChanged(const QString& problem);

private:
    void setRecording(bool recording);
    void apply(std::optional<QKeyCombination> shortcut);
    void refresh();

    Services m_services;
    bool m_recording = false;
};
