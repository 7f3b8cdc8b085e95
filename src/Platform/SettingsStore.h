#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// The user's preference store: typed reads that tell "absent or of another type"
// apart from a value, and writes that reach the store at once.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool contains(const QString& key) const = 0;
    // The Boolean reading of a key: true/false, a number (non-zero is true), or the
    // words true/false, yes/no; anything else, or an absent key, is nothing.
    virtual std::optional<bool> boolValue(const QString& key) const = 0;
    // Nothing when the key is absent or does not hold a single string.
    virtual std::optional<QString> stringValue(const QString& key) const = 0;
    // Nothing when the key is absent or does not hold a list of strings.
    virtual std::optional<QStringList> stringListValue(const QString& key) const = 0;
    // A whole number, or a string that is one; nothing otherwise.
    virtual std::optional<qint64> integerValue(const QString& key) const = 0;

    virtual void setBool(const QString& key, bool value) = 0;
    virtual void setString(const QString& key, const QString& value) = 0;
    virtual void setStringList(const QString& key, const QStringList& value) = 0;
    virtual void setInteger(const QString& key, qint64 value) = 0;
    virtual void remove(const QString& key) = 0;

    // Every key, and values as stored, for copying between stores.
    virtual QStringList keys() const = 0;
    virtual QVariant rawValue(const QString& key) const = 0;
    virtual void setRawValue(const QString& key, const QVariant& value) = 0;
};

// How a stored value reads as each type; shared by the stores.
namespace SettingsValues {
std::optional<bool> toBool(const QVariant& value);
std::optional<QString> toString(const QVariant& value);
std::optional<QStringList> toStringList(const QVariant& value);
std::optional<qint64> toInteger(const QVariant& value);
}  // namespace SettingsValues
