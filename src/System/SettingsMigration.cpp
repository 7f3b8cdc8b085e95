#include "SettingsMigration.h"

#include "SettingsStore.h"

namespace SettingsMigration {

void run(SettingsStore& store, const std::optional<QString>& applicationId, const SettingsStore* legacy)
{
    // 1. Nothing to migrate into, or the legacy store is our own.
    if (!applicationId || *applicationId == legacyDomain)
        return;
    // 2. Once only.
    if (store.boolValue(markerKey).value_or(false))
        return;
    // 3. Every legacy key the current store lacks; existing values win.
    if (legacy) {
        for (const QString& key : legacy->keys())
            if (!store.contains(key))
                store.setRawValue(key, legacy->rawValue(key));
    }
    // 4. Marked, whether or not there was anything to copy.
    store.setBool(markerKey, true);
}

}  // namespace SettingsMigration
