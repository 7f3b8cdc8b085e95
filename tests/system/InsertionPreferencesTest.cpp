#include "InsertionPreferences.h"
#include "RecordingSettingsStore.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

TEST(InsertionPreferences, FreshUserGetsDefaultsAndNothingIsWritten)
{
    RecordingSettingsStore store;
    InsertionPreferences preferences(store);
    EXPECT_FALSE(preferences.includeVerseNumbers());
    EXPECT_EQ(preferences.numberedStyle(), NumberedStyle::Multiline);
    EXPECT_EQ(preferences.numberedReferencePosition(), ReferencePosition::After);
    EXPECT_EQ(preferences.formatKind(), FormatKind::TextWithReference);
    EXPECT_EQ(preferences.customTemplate(), "«{text}» ({reference})");
    EXPECT_TRUE(store.writes.isEmpty());
    EXPECT_TRUE(store.values().isEmpty());
}

TEST(InsertionPreferences, StoredValuesAndBadOnes)
{
    struct Case {
        QVariantMap stored;
        bool numbers;
        NumberedStyle style;
        ReferencePosition position;
        FormatKind kind;
        QString customTemplate;
    };
    const QString defaultTemplate = InsertionPreferences::defaultCustomTemplate;
    using enum NumberedStyle;
    using enum ReferencePosition;
    using enum FormatKind;
    const Case cases[] = {
        {{{"com.lampstride.includeVerseNumbers", true},
          {"com.lampstride.numberedStyle", "singleLine"},
          {"com.lampstride.numberedReferencePosition", "before"},
          {"com.lampstride.formatKind", "custom"},
          {"com.lampstride.customTemplate", "{verse}"}},
         true, SingleLine, Before, Custom, "{verse}"},
        // Wrong case, other words and other types fall back to the defaults.
        {{{"com.lampstride.formatKind", "TextOnly"},
          {"com.lampstride.numberedStyle", "MULTILINE"},
          {"com.lampstride.numberedReferencePosition", 7},
          {"com.lampstride.customTemplate", QStringList{"a", "b"}},
          {"com.lampstride.includeVerseNumbers", "maybe"}},
         false, Multiline, After, TextWithReference, defaultTemplate},
        // An empty template is a template.
        {{{"com.lampstride.customTemplate", ""}}, false, Multiline, After, TextWithReference, ""},
        // The Boolean reading accepts words and numbers.
        {{{"com.lampstride.includeVerseNumbers", "true"}}, true, Multiline, After, TextWithReference, defaultTemplate},
        {{{"com.lampstride.includeVerseNumbers", 1}}, true, Multiline, After, TextWithReference, defaultTemplate},
    };
    for (const Case& c : cases) {
        RecordingSettingsStore store(c.stored);
        InsertionPreferences preferences(store);
        EXPECT_EQ(preferences.includeVerseNumbers(), c.numbers);
        EXPECT_EQ(preferences.numberedStyle(), c.style);
        EXPECT_EQ(preferences.numberedReferencePosition(), c.position);
        EXPECT_EQ(preferences.formatKind(), c.kind);
        EXPECT_EQ(preferences.customTemplate(), c.customTemplate);
        EXPECT_TRUE(store.writes.isEmpty()) << "a bad stored value stays until assigned";
        EXPECT_EQ(store.values(), c.stored);
    }
}

TEST(InsertionPreferences, EveryAssignmentNotifiesAndWrites)
{
    RecordingSettingsStore store({{"com.lampstride.formatKind", "Custom"}});
    InsertionPreferences preferences(store);
    QSignalSpy kindChanged(&preferences, &InsertionPreferences::formatKindChanged);
    QSignalSpy templateChanged(&preferences, &InsertionPreferences::customTemplateChanged);

    preferences.setFormatKind(FormatKind::Custom);
    preferences.setCustomTemplate("");
    preferences.setFormatKind(FormatKind::Custom);
    preferences.setIncludeVerseNumbers(false);
    preferences.setNumberedStyle(NumberedStyle::SingleLine);
    preferences.setNumberedReferencePosition(ReferencePosition::Before);

    EXPECT_EQ(store.writes, (QStringList{
                                "com.lampstride.formatKind=custom",
                                "com.lampstride.customTemplate=",
                                "com.lampstride.formatKind=custom",
                                "com.lampstride.includeVerseNumbers=false",
                                "com.lampstride.numberedStyle=singleLine",
                                "com.lampstride.numberedReferencePosition=before",
                            }));
    EXPECT_EQ(kindChanged.count(), 2);
    EXPECT_EQ(templateChanged.count(), 1);
    EXPECT_EQ(store.stringValue("com.lampstride.customTemplate"), QString(""));
    EXPECT_EQ(preferences.currentFormat(), InsertionFormat::make(FormatKind::Custom, ""));
}

TEST(InsertionPreferences, Samples)
{
    MemorySettingsStore store;
    InsertionPreferences preferences(store);
    EXPECT_EQ(preferences.numberedExample(), "16. текст вірша\n17. текст вірша\n\nІвана 3:16–17");
    preferences.setNumberedStyle(NumberedStyle::SingleLine);
    preferences.setNumberedReferencePosition(ReferencePosition::Before);
    EXPECT_EQ(preferences.numberedExample(), "Івана 3:16–17\n\n16. текст вірша 17. текст вірша");

    const std::pair<FormatKind, QString> examples[] = {
        {FormatKind::TextWithReference, "«текст вірша» (Івана 3:16)"},
        {FormatKind::ReferenceWithText, "Івана 3:16 — «текст вірша»"},
        {FormatKind::ReferenceOnSeparateLine, "«текст вірша»\nІвана 3:16"},
        {FormatKind::TextOnly, "текст вірша"},
        {FormatKind::Custom, "«текст вірша» (Івана 3:16)"},
    };
    preferences.setCustomTemplate("{verse}");
    for (const auto& [kind, example] : examples)
        EXPECT_EQ(InsertionChoices::example(kind), example) << qPrintable(InsertionChoices::rawValue(kind));

    EXPECT_EQ(InsertionChoices::allFormatKinds().size(), 5);
    EXPECT_EQ(InsertionChoices::title(FormatKind::ReferenceOnSeparateLine), "Посилання окремим рядком");
    EXPECT_EQ(InsertionChoices::title(NumberedStyle::SingleLine), "Без абзаців (одним текстом)");
    EXPECT_EQ(InsertionChoices::title(ReferencePosition::Before), "Перед текстом");
    EXPECT_EQ(InsertionChoices::rawValue(FormatKind::ReferenceOnSeparateLine), "referenceOnSeparateLine");
}
