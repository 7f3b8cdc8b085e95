#include "LaunchSequence.h"
#include "QtPrinters.h"
#include "RecordingSettingsStore.h"
#include "SettingsMigration.h"

#include <gtest/gtest.h>

namespace {

const QString appId = QStringLiteral("com.lampstride.Lampstride");
const QString marker = QStringLiteral("com.lampstride.migratedLegacyDefaults");

}  // namespace

TEST(SettingsMigration, CopiesWhatTheCurrentStoreLacksOnce)
{
    MemorySettingsStore legacy({{"com.lampstride.formatKind", "textOnly"},
                                {"com.lampstride.searchHistory", QStringList{"ів 3:16", "любов"}},
                                {"com.lampstride.onboardingVersionSeen", 1},
                                {"com.lampstride.shortcut.toggleSearchPanel", "Ctrl+Alt+L"},
                                {"com.lampstride.includeVerseNumbers", true}});
    RecordingSettingsStore store({{"com.lampstride.includeVerseNumbers", false}});
    SettingsMigration::run(store, appId, &legacy);
    EXPECT_EQ(store.stringValue("com.lampstride.formatKind"), QString("textOnly"));
    EXPECT_EQ(store.stringListValue("com.lampstride.searchHistory"), (QStringList{"ів 3:16", "любов"}));
    EXPECT_EQ(store.integerValue("com.lampstride.onboardingVersionSeen"), 1);
    EXPECT_EQ(store.stringValue("com.lampstride.shortcut.toggleSearchPanel"), QString("Ctrl+Alt+L"));
    EXPECT_EQ(store.boolValue("com.lampstride.includeVerseNumbers"), false) << "a current value stays";
    EXPECT_EQ(store.boolValue(marker), true);
    EXPECT_EQ(legacy.keys().size(), 5) << "the legacy store is left as it was";

    legacy.setRaw("com.lampstride.customTemplate", "{verse}");
    store.writes.clear();
    SettingsMigration::run(store, appId, &legacy);
    EXPECT_TRUE(store.writes.isEmpty()) << "a second start copies nothing";
    EXPECT_FALSE(store.contains("com.lampstride.customTemplate"));
}

TEST(SettingsMigration, WhenThereIsNothingToDo)
{
    MemorySettingsStore legacy({{"com.lampstride.formatKind", "textOnly"}});
    struct Case {
        const char* what;
        std::optional<QString> id;
        const SettingsStore* legacyStore;
        QStringList expectedKeys;
    };
    const Case cases[] = {
        {"no application id", std::nullopt, &legacy, {}},
        {"the id is the legacy name", QStringLiteral("Lampstride"), &legacy, {}},
        {"no legacy store", appId, nullptr, {marker}},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        SettingsMigration::run(store, c.id, c.legacyStore);
        EXPECT_EQ(store.keys(), c.expectedKeys) << c.what;
    }
}

TEST(LaunchSequence, TheTourOnFirstStartThePermissionQuestionLater)
{
    for (const bool firstStart : {true, false}) {
        QStringList steps;
        LaunchSequence{
            [&] { steps << "responsive"; },
            [&] { steps << "hotkey"; },
            [&] { steps << "panel"; },
            [&] { return firstStart; },
            [&] { steps << "tour"; },
            [&] { steps << "permission"; },
        }.run();
        const QStringList expected = firstStart ? QStringList{"responsive", "hotkey", "panel", "tour"}
                                                : QStringList{"responsive", "hotkey", "panel", "permission"};
        EXPECT_EQ(steps, expected) << "the shortcut works before the tour opens";
    }
}
