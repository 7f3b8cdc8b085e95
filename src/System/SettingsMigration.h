#pragma once

#include <QString>

#include <optional>

class SettingsStore;

// One-time copy of preferences from the store an older version used.
namespace SettingsMigration {

inline const QString markerKey = QStringLiteral("com.lampstride.migratedLegacyDefaults");
inline const QString legacyDomain = QStringLiteral("Lampstride");

// Copies every key of `legacy` that `store` lacks, once: afterwards the marker is set
// and nothing is copied again. Skipped (marker untouched) without an application id
// or when the id is the legacy name itself.
void run(SettingsStore& store, const std::optional<QString>& applicationId, const SettingsStore* legacy);

}  // namespace SettingsMigration
