#include "BibleBookLookup.h"
#include "TextNormalization.h"

#include <gtest/gtest.h>

namespace {

QStringList names(const QList<BibleBook>& books)
{
    QStringList result;
    for (const BibleBook& b : books)
        result.append(b.name);
    return result;
}

}  // namespace

TEST(TextNormalization, StripApostrophes)
{
    const std::pair<QString, QString> cases[] = {
        {"Об’явлення", "Обявлення"},
        {"без апострофа", "без апострофа"},
        {QString::fromUtf16(u"'\u2019\u02BC`\u00B4\u2018\u2032"), ""},
        {QString::fromUtf16(u"п\u02BCять"), "пять"},
        // Greek oxia is canonically the acute accent, one of the seven.
        {QString::fromUtf16(u"м\u1FFDя"), "мя"},
        // An apostrophe carrying a combining mark is another character and stays.
        {QString::fromUtf16(u"а'\u0301б"), QString::fromUtf16(u"а'\u0301б")},
        {"", ""},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(TextNormalization::stripApostrophes(input), expected) << qPrintable(input);
}

TEST(TextNormalization, CharacterRules)
{
    using namespace TextNormalization;
    EXPECT_EQ(characterCount(QString::fromUtf16(u"и\u0306ти")), 3) << "a combining mark joins its letter";
    EXPECT_TRUE(equal(QString::fromUtf16(u"и\u0306"), QString::fromUtf16(u"й")));
    EXPECT_TRUE(isNumeric(QString::fromUtf16(u"\u0663")));  // Arabic-Indic three
    EXPECT_TRUE(isNumeric(QString::fromUtf16(u"\u00BD")));  // one half
    EXPECT_TRUE(isNumeric(QString::fromUtf16(u"\u2163")));  // Roman numeral four
    EXPECT_FALSE(isLetter(QStringLiteral("-")));
    EXPECT_TRUE(isLetter(QStringLiteral("ї")));
    EXPECT_EQ(lowercased(QStringLiteral("ІЇЄҐ")), QStringLiteral("іїєґ"));
    EXPECT_EQ(lowercased(QStringLiteral("İ")), QString::fromUtf16(u"i\u0307")) << "locale-independent full mapping";
    EXPECT_EQ(trimmed(QString::fromUtf16(u"\u2028\u00A0 ів\t\u0085")), QStringLiteral("ів"));
}

TEST(BibleBookLookup, Normalize)
{
    const std::pair<QString, QString> cases[] = {
        {"  Ів 3:16 ", "ів 3:16"},
        {"1 Кор", "1кор"},
        {"2   самуїла", "2самуїла"},
        {"ів..", "ів."},
        {".", ""},
        {"ів 3 16", "ів 3 16"},
        {"Об’явлення", "обявлення"},
        {"пісня    пісень", "пісня пісень"},
        {"1\tкор", "1кор"},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(BibleBookLookup::normalize(input), expected) << qPrintable(input);
}

TEST(BibleBookLookup, LongestPrefixMatch)
{
    struct Case {
        QString input;
        const char* code;  // nullptr: no match
        qsizetype length;
    };
    const Case cases[] = {
        {"ів 3:16", "JHN", 2},
        {"1кор 13:4-7", "1CO", 4},
        {"іс 1", "JOS", 2},
        {"іса 1", "ISA", 3},
        {"плач єремії 3", "LAM", 11},
        {"єремії 3", "JER", 6},
        {"ісуса навина 1", "JOS", 12},
        {"ів3:16", nullptr, 0},
        {"рука", nullptr, 0},
        {"", nullptr, 0},
        {"ів", "JHN", 2},
        {"єр", "JER", 2},
        {"ма 1", "MAL", 2},
        {QString::fromUtf16(u"и\u0306ов 1"), "JOB", 3},
    };
    for (const Case& c : cases) {
        const auto match = BibleBookLookup::longestPrefixMatch(c.input);
        if (!c.code) {
            EXPECT_FALSE(match) << qPrintable(c.input);
            continue;
        }
        ASSERT_TRUE(match) << qPrintable(c.input);
        EXPECT_EQ(match->book.code, QLatin1String(c.code)) << qPrintable(c.input);
        EXPECT_EQ(match->matchedLength, c.length) << qPrintable(c.input);
    }
}

TEST(BibleBookLookup, Suggestions)
{
    const std::pair<QString, QStringList> cases[] = {
        {"л", {"Левіти", "Луки"}},
        {"ів", {"Івана", "1 Івана", "2 Івана", "3 Івана"}},
        {"ко", {"1 Коринтян", "2 Коринтян", "Колосян"}},
        {"кор", {"1 Коринтян", "2 Коринтян"}},
        {"мат", {"Матвія"}},
        {"1кор", {"1 Коринтян"}},
        {"ру", {"Рут"}},
        {"", {}},
        {"єремії", {"Єремії", "Плач Єремії"}},
        {"хрон", {"1 Хронік", "2 Хронік"}},
        {"ів 3", {}},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(names(BibleBookLookup::suggestions(input)), expected) << qPrintable(input);
}

TEST(BibleBookLookup, TailAfterLeadingDigits)
{
    EXPECT_EQ(BibleBookLookup::tailAfterLeadingDigits(u"1кор"), u"кор");
    EXPECT_EQ(BibleBookLookup::tailAfterLeadingDigits(u"кор"), u"кор");
    EXPECT_EQ(BibleBookLookup::tailAfterLeadingDigits(u"12"), u"");
}
