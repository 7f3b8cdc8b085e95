#include "InsertionFormatter.h"
#include "RecordingSettingsStore.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const BibleBook& john()
{
    return BibleBook::all()[42];
}

SearchResultItem item(std::initializer_list<std::pair<qint64, const char*>> verses, qint64 chapter = 3)
{
    SearchResultItem result{john(), chapter, {}, false, false};
    for (const auto& [number, text] : verses)
        result.verses.append(VerseRecord{43, "JHN", "Івана", chapter, number, QString::fromUtf8(text)});
    return result;
}

struct Settings {
    bool numbers;
    NumberedStyle style = NumberedStyle::Multiline;
    ReferencePosition position = ReferencePosition::After;
    FormatKind kind = FormatKind::TextWithReference;
    QString customTemplate = InsertionPreferences::defaultCustomTemplate;
};

QString formatWith(const SearchResultItem& result, const Settings& s)
{
    MemorySettingsStore store;
    InsertionPreferences preferences(store);
    preferences.setIncludeVerseNumbers(s.numbers);
    preferences.setNumberedStyle(s.style);
    preferences.setNumberedReferencePosition(s.position);
    preferences.setFormatKind(s.kind);
    preferences.setCustomTemplate(s.customTemplate);
    return InsertionFormatter::format(result, preferences);
}

}  // namespace

TEST(InsertionFormatter, WorkedExamples)
{
    const SearchResultItem twoVerses = item({{16, "текст вірша"}, {17, "текст вірша."}});
    using enum NumberedStyle;
    using enum ReferencePosition;
    using enum FormatKind;
    const std::pair<Settings, QString> cases[] = {
        {{false, Multiline, After, TextWithReference}, "«текст вірша текст вірша» (Івана 3:16–17)"},
        {{false, Multiline, After, ReferenceWithText}, "Івана 3:16–17 — «текст вірша текст вірша»"},
        {{false, Multiline, After, ReferenceOnSeparateLine}, "«текст вірша текст вірша»\nІвана 3:16–17"},
        {{false, Multiline, After, TextOnly}, "текст вірша текст вірша"},
        {{false, Multiline, After, Custom, "{book} {chapter}:{verse} {text}"}, "Івана 3:16–17 текст вірша текст вірша"},
        {{true, Multiline, After}, "16. текст вірша\n17. текст вірша.\n\nІвана 3:16–17"},
        {{true, SingleLine, After}, "16. текст вірша 17. текст вірша.\n\nІвана 3:16–17"},
        {{true, Multiline, Before}, "Івана 3:16–17\n\n16. текст вірша\n17. текст вірша."},
        {{true, SingleLine, Before}, "Івана 3:16–17\n\n16. текст вірша 17. текст вірша."},
        // Numbers on: the format and its template are not used.
        {{true, SingleLine, Before, Custom, "{verse}"}, "Івана 3:16–17\n\n16. текст вірша 17. текст вірша."},
    };
    for (const auto& [settings, expected] : cases)
        EXPECT_EQ(formatWith(twoVerses, settings), expected) << qPrintable(expected);

    EXPECT_EQ(formatWith(item({{16, "текст вірша"}}), {false}), "«текст вірша» (Івана 3:16)");
    EXPECT_EQ(formatWith(item({{16, "текст вірша"}, {17, "текст вірша,"}}), {false}),
              "«текст вірша текст вірша...» (Івана 3:16–17)");
    EXPECT_EQ(formatWith(item({{16, "текст вірша"}, {17, "текст вірша,"}}), {true}),
              "16. текст вірша\n17. текст вірша...\n\nІвана 3:16–17");
}

TEST(InsertionFormatter, Endings)
{
    struct Case {
        const char* text;
        const char* withoutNumbers;  // {text} of the text-only format
        const char* withNumbers;     // the verse line
    };
    const Case cases[] = {
        {"слово, \n", "слово...", "16. слово..."},
        {"кінець.   ", "кінець", "16. кінець."},
        {"слово —", "слово...", "16. слово..."},
        {"слово, – -", "слово...", "16. слово..."},
        {"питання?  ", "питання?", "16. питання?"},
        {"оклик!", "оклик!", "16. оклик!"},
        {"цитата»", "цитата»", "16. цитата»"},
        {"трикрапка...", "трикрапка..", "16. трикрапка..."},
        {"еліпсис…", "еліпсис…", "16. еліпсис…"},
        {",", "...", "16. ..."},
        {"   ", "", "16. "},
        {"двокрапка:", "двокрапка...", "16. двокрапка..."},
        {"крапка з комою;\u00A0", "крапка з комою...", "16. крапка з комою..."},
    };
    for (const Case& c : cases) {
        const SearchResultItem one = item({{16, c.text}});
        EXPECT_EQ(formatWith(one, {false, {}, {}, FormatKind::TextOnly}), QString::fromUtf8(c.withoutNumbers)) << c.text;
        EXPECT_EQ(formatWith(one, {true}), QString::fromUtf8(c.withNumbers) + "\n\nІвана 3:16") << c.text;
    }
    // Inner verses keep their own punctuation; only the end is tidied.
    EXPECT_EQ(formatWith(item({{1, "перший,"}, {2, "другий."}}), {false, {}, {}, FormatKind::TextOnly}),
              "перший, другий");
    EXPECT_EQ(formatWith(item({{1, "перший,"}, {2, "другий,"}}), {true}), "1. перший,\n2. другий...\n\nІвана 3:1–2");
}

TEST(InsertionFormatter, CustomTemplates)
{
    const SearchResultItem two = item({{16, "а"}, {17, "б."}});
    const SearchResultItem one = item({{16, "а."}});
    const std::tuple<QString, SearchResultItem, QString> cases[] = {
        {"{verse}", two, "16–17"},
        {"{verse}", one, "16"},
        {"{chapter}", one, "3"},
        {"{text}|{text}", one, "а|а"},
        {"", one, ""},
        {"без тексту ({reference})", one, "без тексту (Івана 3:16)"},
        {"{Text} {REFERENCE}", one, "{Text} {REFERENCE}"},
        {"{book}", one, "Івана"},
    };
    for (const auto& [templateText, result, expected] : cases)
        EXPECT_EQ(formatWith(result, {false, {}, {}, FormatKind::Custom, templateText}), expected) << qPrintable(templateText);

    // Later placeholders are replaced inside text put in by earlier ones.
    EXPECT_EQ(formatWith(item({{16, "про {book} і {verse}"}}), {false, {}, {}, FormatKind::TextOnly}), "про Івана і 16");

    const SearchResultItem empty{john(), 3, {}, false, false};
    EXPECT_EQ(formatWith(empty, {false}), "«» (Івана 3)");
    EXPECT_EQ(formatWith(empty, {false, {}, {}, FormatKind::Custom, "{verse}|{text}"}), "|");
}

TEST(InsertionFormatter, ExplicitArgumentsOverridePreferences)
{
    MemorySettingsStore store;
    InsertionPreferences preferences(store);
    const SearchResultItem one = item({{16, "а."}});
    EXPECT_EQ(InsertionFormatter::format(one, preferences, InsertionFormat::make(FormatKind::TextOnly, {}), false), "а");
    EXPECT_EQ(InsertionFormatter::format(one, preferences, std::nullopt, true), "16. а.\n\nІвана 3:16");
    EXPECT_EQ(InsertionFormat::make(FormatKind::TextOnly, "{verse}").templateText(), "{text}");
    EXPECT_EQ(InsertionFormat::make(FormatKind::Custom, "").templateText(), "");
}
