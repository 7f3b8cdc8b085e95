#include "IniSettingsStore.h"

IniSettingsStore::IniSettingsStore(const QString& name)
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, name))
{
}

IniSettingsStore::IniSettingsStore(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings)) {}

std::unique_ptr<IniSettingsStore> IniSettingsStore::atPath(const QString& path)
{
    return std::unique_ptr<IniSettingsStore>(
        new IniSettingsStore(std::make_unique<QSettings>(path, QSettings::IniFormat)));
}

IniSettingsStore& IniSettingsStore::standard()
{
    static IniSettingsStore store(QStringLiteral("com.lampstride.Lampstride"));
    return store;
}

QString IniSettingsStore::fileName() const
{
    return m_settings->fileName();
}

bool IniSettingsStore::contains(const QString& key) const
{
    return m_settings->contains(key);
}

std::optional<bool> IniSettingsStore::boolValue(const QString& key) const
{
    return SettingsValues::toBool(m_settings->value(key));
}

std::optional<QString> IniSettingsStore::stringValue(const QString& key) const
{
    return SettingsValues::toString(m_settings->value(key));
}

std::optional<QStringList> IniSettingsStore::stringListValue(const QString& key) const
{
    if (!m_settings->contains(key))
        return std::nullopt;
    const QVariant v = m_settings->value(key);
    if (v.typeId() == QMetaType::QString)  // a list of one string
        return QStringList{v.toString()};
    if (v.typeId() == QMetaType::UnknownType)  // "@Invalid()": how an empty list is written
        return QStringList{};
    return SettingsValues::toStringList(v);
}

std::optional<qint64> IniSettingsStore::integerValue(const QString& key) const
{
    return SettingsValues::toInteger(m_settings->value(key));
}

void IniSettingsStore::write(const QString& key, const QVariant& value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

void IniSettingsStore::setBool(const QString& key, bool value)
{
    write(key, value);
}

void IniSettingsStore::setString(const QString& key, const QString& value)
{
    write(key, value);
}

void IniSettingsStore::setStringList(const QString& key, const QStringList& value)
{
    write(key, value);
}

void IniSettingsStore::setInteger(const QString& key, qint64 value)
{
    write(key, value);
}

void IniSettingsStore::remove(const QString& key)
{
    m_settings->remove(key);
    m_settings->sync();
}

QStringList IniSettingsStore::keys() const
{
    return m_settings->allKeys();
}

QVariant IniSettingsStore::rawValue(const QString& key) const
{
    return m_settings->value(key);
}

void IniSettingsStore::setRawValue(const QString& key, const QVariant& value)
{
    write(key, value);
}
