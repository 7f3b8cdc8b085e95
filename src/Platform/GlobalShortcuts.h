#pragma once

#include "KeyGrabber.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class SettingsStore;

// Named system-wide shortcuts: each has a default, a stored value (or none, when the
// user cleared it), a key-up handler, and a registration with the key grabber.
// Stored under "com.lampstride.shortcut.<name>" as portable text ("Alt+Space"; an
// empty text means cleared).
class GlobalShortcuts : public QObject {
    Q_OBJECT

public:
    enum class Registration {
        Inactive,     // no handler yet
        Active,       // grabbed, fires
        Taken,        // another program holds the combination
        Unsupported,  // this keyboard cannot grab the key
        Cleared,      // the user chose no shortcut
        Suspended,    // paused, e.g. while a new shortcut is recorded
    };
    Q_ENUM(Registration)

    GlobalShortcuts(KeyGrabber& grabber, SettingsStore& store, QObject* parent = nullptr);

    static QString storageKey(const QString& name);

    void declare(const QString& name, QKeyCombination defaultShortcut);
    QKeyCombination defaultShortcut(const QString& name) const;
    // The stored shortcut; the default when none was ever stored; nothing when cleared.
    std::optional<QKeyCombination> shortcut(const QString& name) const;
    // Stores the shortcut (nothing clears it) and registers it at once.
    Registration setShortcut(const QString& name, std::optional<QKeyCombination> shortcut);
    // Registers the current shortcut and calls `handler` on each release of it.
    Registration onKeyUp(const QString& name, std::function<void()> handler);
    void suspend(const QStringList& names);
    void resume(const QStringList& names);
    Registration registration(const QString& name) const;
    // Would the combination be refused because another program holds it?
    bool isTakenElsewhere(QKeyCombination combination);

    // "Alt+Space", as the desktop writes shortcuts.
    static QString displayText(QKeyCombination combination);
    // One keycap per modifier (Meta, Alt, Shift, Ctrl, in that order), then the key.
    static QStringList keycapParts(QKeyCombination combination);
    // The name of one modifier as the display text writes it ("Ctrl", "Alt", "Shift", "Meta").
    static QString modifierName(Qt::KeyboardModifier modifier);

signals:
    void registrationChanged(const QString& name);

private:
    struct Entry {
        QKeyCombination defaultShortcut;
        std::function<void()> handler;
        std::optional<QKeyCombination> grabbed;
        bool suspended = false;
        Registration registration = Registration::Inactive;
    };

    void registerCurrent(const QString& name);
    void unregister(const QString& name);
    void setRegistration(const QString& name, Registration registration);
    void released(QKeyCombination combination);

    KeyGrabber& m_grabber;
    SettingsStore& m_store;
    QHash<QString, Entry> m_entries;
};
