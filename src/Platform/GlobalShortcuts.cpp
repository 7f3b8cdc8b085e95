#include "GlobalShortcuts.h"

#include "SettingsStore.h"

#include <QKeySequence>

GlobalShortcuts::GlobalShortcuts(KeyGrabber& grabber, SettingsStore& store, QObject* parent)
    : QObject(parent), m_grabber(grabber), m_store(store)
{
    m_grabber.onReleased = [this](QKeyCombination combination) { released(combination); };
}

QString GlobalShortcuts::storageKey(const QString& name)
{
    return QStringLiteral("com.lampstride.shortcut.") + name;
}

void GlobalShortcuts::declare(const QString& name, QKeyCombination defaultShortcut)
{
    m_entries[name].defaultShortcut = defaultShortcut;
}

QKeyCombination GlobalShortcuts::defaultShortcut(const QString& name) const
{
    return m_entries.value(name).defaultShortcut;
}

std::optional<QKeyCombination> GlobalShortcuts::shortcut(const QString& name) const
{
    const std::optional<QString> stored = m_store.stringValue(storageKey(name));
    if (!stored)
        return defaultShortcut(name);
    if (stored->isEmpty())
        return std::nullopt;
    // A stored text that is not one combination reads as the default.
    const QKeySequence sequence = QKeySequence::fromString(*stored, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return defaultShortcut(name);
    return sequence[0];
}

GlobalShortcuts::Registration GlobalShortcuts::setShortcut(const QString& name, std::optional<QKeyCombination> shortcut)
{
    unregister(name);
    m_store.setString(storageKey(name),
                      shortcut ? QKeySequence(*shortcut).toString(QKeySequence::PortableText) : QString());
    registerCurrent(name);
    return registration(name);
}

GlobalShortcuts::Registration GlobalShortcuts::onKeyUp(const QString& name, std::function<void()> handler)
{
    m_entries[name].handler = std::move(handler);
    unregister(name);
    registerCurrent(name);
    return registration(name);
}

void GlobalShortcuts::suspend(const QStringList& names)
{
    for (const QString& name : names) {
        unregister(name);
        m_entries[name].suspended = true;
        setRegistration(name, Registration::Suspended);
    }
}

void GlobalShortcuts::resume(const QStringList& names)
{
    for (const QString& name : names) {
        m_entries[name].suspended = false;
        registerCurrent(name);
    }
}

GlobalShortcuts::Registration GlobalShortcuts::registration(const QString& name) const
{
    return m_entries.value(name).registration;
}

bool GlobalShortcuts::isTakenElsewhere(QKeyCombination combination)
{
    // Our own grab of the same combination is not "another program".
    for (const Entry& entry : std::as_const(m_entries))
        if (entry.grabbed == combination)
            return false;
    return m_grabber.isTakenElsewhere(combination);
}

void GlobalShortcuts::registerCurrent(const QString& name)
{
    Entry& entry = m_entries[name];
    if (entry.suspended) {
        setRegistration(name, Registration::Suspended);
        return;
    }
    if (!entry.handler) {
        setRegistration(name, Registration::Inactive);
        return;
    }
    const std::optional<QKeyCombination> current = shortcut(name);
    if (!current) {
        setRegistration(name, Registration::Cleared);
        return;
    }
    switch (m_grabber.grab(*current)) {
    case KeyGrabber::Result::Grabbed:
        m_entries[name].grabbed = current;
        setRegistration(name, Registration::Active);
        break;
    case KeyGrabber::Result::Taken:
        setRegistration(name, Registration::Taken);
        break;
    case KeyGrabber::Result::Unsupported:
        setRegistration(name, Registration::Unsupported);
        break;
    }
}

void GlobalShortcuts::unregister(const QString& name)
{
    Entry& entry = m_entries[name];
    if (entry.grabbed) {
        m_grabber.ungrab(*entry.grabbed);
        entry.grabbed.reset();
    }
}

void GlobalShortcuts::setRegistration(const QString& name, Registration registration)
{
    m_entries[name].registration = registration;
    emit registrationChanged(name);
}

void GlobalShortcuts::released(QKeyCombination combination)
{
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (it->grabbed == combination && it->handler) {
            const std::function<void()> handler = it->handler;  // may change the entries
            handler();
            return;
        }
    }
}

QString GlobalShortcuts::displayText(QKeyCombination combination)
{
    return QKeySequence(combination).toString(QKeySequence::NativeText);
}

QString GlobalShortcuts::modifierName(Qt::KeyboardModifier modifier)
{
    // Qt writes "Ctrl+" and friends; the name is that text without its "+".
    QString text = QKeySequence(QKeyCombination(modifier, Qt::Key_A)).toString(QKeySequence::NativeText);
    return text.left(text.lastIndexOf(u'+'));
}

QStringList GlobalShortcuts::keycapParts(QKeyCombination combination)
{
    // 1. The modifiers, in a fixed order.
    const Qt::KeyboardModifier order[] = {Qt::MetaModifier, Qt::AltModifier, Qt::ShiftModifier, Qt::ControlModifier};
    QStringList parts;
    QStringList names;
    for (Qt::KeyboardModifier modifier : order) {
        names.append(modifierName(modifier) + u'+');
        if (combination.keyboardModifiers() & modifier)
            parts.append(modifierName(modifier));
    }
    // 2. The display text without its leading modifiers: the key.
    QString rest = displayText(combination);
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (const QString& prefix : names) {
            if (rest.startsWith(prefix) && rest.size() > prefix.size()) {
                rest = rest.mid(prefix.size());
                dropped = true;
            }
        }
    }
    if (!rest.isEmpty())
        parts.append(rest);
    return parts;
}
