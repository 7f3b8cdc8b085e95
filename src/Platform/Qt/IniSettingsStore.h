#pragma once

#include "SettingsStore.h"

#include <QSettings>

#include <memory>

// The user's settings as an INI file in the config folder (XDG_CONFIG_HOME, usually
// ~/.config), through QSettings. Every write is synced to disk at once.
//
// INI keeps no types: a Boolean comes back as the word "true", a list of one string
// as that string, an empty list as "@Invalid()". The reads here know which type they
// want and undo those foldings.
class IniSettingsStore : public SettingsStore {
public:
    // The store named `name` in the user's config folder: "<config>/<name>.ini".
    explicit IniSettingsStore(const QString& name);
    // The store in one given file.
    static std::unique_ptr<IniSettingsStore> atPath(const QString& path);
    // The program's own store, "com.lampstride.Lampstride".
    static IniSettingsStore& standard();

    QString fileName() const;

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
    QStringList keys() const override;
    QVariant rawValue(const QString& key) const override;
    void setRawValue(const QString& key, const QVariant& value) override;

private:
    explicit IniSettingsStore(std::unique_ptr<QSettings> settings);
    void write(const QString& key, const QVariant& value);
    std::unique_ptr<QSettings> m_settings;
};
