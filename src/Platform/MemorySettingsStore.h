#pragma once

#include "SettingsStore.h"

#include <QVariant>
#include <QVariantMap>

// Settings held in memory only: a scratch store for one-off runs (the command-line
// tool formats text without touching the user's file) and for tests.
class MemorySettingsStore : public SettingsStore {
public:
    MemorySettingsStore() = default;
    explicit MemorySettingsStore(QVariantMap values) : m_values(std::move(values)) {}

    const QVariantMap& values() const { return m_values; }
    // Puts any value under a key, as a damaged or foreign file might hold it.
    void setRaw(const QString& key, const QVariant& value) { m_values.insert(key, value); }

    bool contains(const QString& key) const override;
    std::optional<bool> boolValue(const QString& key) const override;
    std::optional<QString> stringValue(const QString& key) const override;
    std::optional<QStringList> stringListValue(const QString& key) const override;
    std::optional<qint64> integerValue(const QString& key) const override;

    void setBool(const QString& key, bool value) override;
    void setString(const QString& key, const QString& value) override;
    void setStringList(const QString& key, const QStringList& value) override;
    void setInteger(const QString& key, qint64 value) override;
    void remove(const QString& key) override;
    QStringList keys() const override { return m_values.keys(); }
    QVariant rawValue(const QString& key) const override { return m_values.value(key); }
    void setRawValue(const QString& key, const QVariant& value) override { m_values.insert(key, value); }

private:
    QVariantMap m_values;
};
