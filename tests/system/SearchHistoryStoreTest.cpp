#include "RecordingSettingsStore.h"
#include "SearchHistoryStore.h"

#include <gtest/gtest.h>

namespace {

QStringList numbered(int count, const char* prefix = "запит ")
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(QString::fromUtf8(prefix) + QString::number(i));
    return list;
}

}  // namespace

TEST(SearchHistoryStore, Record)
{
    struct Case {
        const char* what;
        QStringList before;
        QString query;
        QStringList after;
        bool writes;
    };
    const Case cases[] = {
        {"trimmed, at the front", {"любов"}, "  ів 3:16 \n", {"ів 3:16", "любов"}, true},
        {"case-insensitive duplicate moves", {"a", "Ів 3:16", "b"}, "ІВ 3:16", {"ІВ 3:16", "a", "b"}, true},
        {"already first: same list, still written", {"любов", "віра"}, "любов", {"любов", "віра"}, true},
        {"blank changes nothing", {"любов"}, " \n\t", {"любов"}, false},
        {"empty changes nothing", {"любов"}, "", {"любов"}, false},
        {"Ukrainian capitals fold", {"Єремії 3:22"}, "єремії 3:22", {"єремії 3:22"}, true},
    };
    for (const Case& c : cases) {
        RecordingSettingsStore settings({{SearchHistoryStore::key, c.before}});
        SearchHistoryStore store(settings);
        store.record(c.query);
        EXPECT_EQ(store.recent(), c.after) << c.what;
        EXPECT_EQ(settings.writes.size(), c.writes ? 1 : 0) << c.what;
        if (c.writes)
            EXPECT_EQ(settings.stringListValue(SearchHistoryStore::key), c.after) << c.what;
    }
}

TEST(SearchHistoryStore, KeepsAtMost100)
{
    RecordingSettingsStore settings({{SearchHistoryStore::key, numbered(100)}});
    SearchHistoryStore store(settings);
    store.record("новий");
    EXPECT_EQ(store.recent().size(), 100);
    EXPECT_EQ(store.recent().first(), "новий");
    EXPECT_EQ(store.recent().last(), "запит 98");

    store.record("запит 50");
    EXPECT_EQ(store.recent().size(), 100);
    EXPECT_EQ(store.recent()[0], "запит 50");
    EXPECT_EQ(store.recent().last(), "запит 98") << "a known query drops nothing";
}

TEST(SearchHistoryStore, LongerStoredListsLoadWholeAndShrinkOnRecord)
{
    RecordingSettingsStore settings({{SearchHistoryStore::key, numbered(150)}});
    SearchHistoryStore store(settings);
    EXPECT_EQ(store.recent().size(), 150);
    EXPECT_TRUE(settings.writes.isEmpty());
    store.record("ще один");
    EXPECT_EQ(store.recent().size(), 100);
    EXPECT_EQ(settings.stringListValue(SearchHistoryStore::key)->size(), 100);
}

TEST(SearchHistoryStore, MalformedStoredValueIsAnEmptyHistory)
{
    const QVariant bad[] = {QVariant(42), QVariant(QVariantList{"a", 3}), QVariant(true)};
    for (const QVariant& value : bad) {
        RecordingSettingsStore settings({{SearchHistoryStore::key, value}});
        EXPECT_TRUE(SearchHistoryStore(settings).recent().isEmpty()) << qPrintable(value.toString());
    }
}
