#include "MemorySettingsStore.h"

bool MemorySettingsStore::contains(const QString& key) const
{
    return m_values.contains(key);
}

std::optional<bool> MemorySettingsStore::boolValue(const QString& key) const
{
    return SettingsValues::toBool(m_values.value(key));
}

std::optional<QString> MemorySettingsStore::stringValue(const QString& key) const
{
    return SettingsValues::toString(m_values.value(key));
}

std::optional<QStringList> MemorySettingsStore::stringListValue(const QString& key) const
{
    return SettingsValues::toStringList(m_values.value(key));
}

std::optional<qint64> MemorySettingsStore::integerValue(const QString& key) const
{
    return SettingsValues::toInteger(m_values.value(key));
}

void MemorySettingsStore::setBool(const QString& key, bool value) { m_values.insert(key, value); }
void MemorySettingsStore::setString(const QString& key, const QString& value) { m_values.insert(key, value); }
void MemorySettingsStore::setStringList(const QString& key, const QStringList& value) { m_values.insert(key, value); }
void MemorySettingsStore::setInteger(const QString& key, qint64 value) { m_values.insert(key, value); }
void MemorySettingsStore::remove(const QString& key) { m_values.remove(key); }
