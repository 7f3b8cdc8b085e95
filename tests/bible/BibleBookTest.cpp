#include "BibleBook.h"
#include "TextNormalization.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QSet>

namespace {

const BibleBook& book(const char* code)
{
    const BibleBook* found = BibleBook::withCode(QString::fromLatin1(code));
    if (!found)
        throw std::runtime_error(code);
    return *found;
}

QStringList codesHolding(const QString& alias)
{
    QStringList codes;
    for (const BibleBook& b : BibleBook::all())
        if (b.aliases.contains(alias))
            codes.append(b.code);
    return codes;
}

}  // namespace

TEST(BibleBook, CatalogHas66BooksInCanonicalOrderWithUniqueCodes)
{
    const QList<BibleBook>& all = BibleBook::all();
    ASSERT_EQ(all.size(), 66);
    QSet<QString> codes;
    for (qsizetype i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].number, i + 1);
        EXPECT_EQ(all[i].id(), all[i].number);
        EXPECT_EQ(all[i].testament, i < 39 ? BibleBook::Testament::Old : BibleBook::Testament::New);
        codes.insert(all[i].code);
        EXPECT_EQ(BibleBook::withCode(all[i].code), &all[i]);
    }
    EXPECT_EQ(codes.size(), 66);
    for (const char* unknown : {"", "gen", "XYZ", "GENE"})
        EXPECT_EQ(BibleBook::withCode(QString::fromLatin1(unknown)), nullptr) << unknown;
    EXPECT_EQ(all.first().code, "GEN");
    EXPECT_EQ(all.last().name, "Об’явлення");
}

TEST(BibleBook, ChapterCounts)
{
    const std::pair<const char*, qint64> cases[] = {
        {"MAL", 3}, {"JOL", 3}, {"PSA", 150}, {"OBA", 1}, {"PHM", 1}, {"2JN", 1}, {"3JN", 1}, {"JUD", 1},
        {"JHN", 21}, {"GEN", 50}};
    for (const auto& [code, chapters] : cases)
        EXPECT_EQ(book(code).chapterCount, chapters) << code;
}

TEST(BibleBook, HoldsExactly381Aliases)
{
    qsizetype total = 0;
    for (const BibleBook& b : BibleBook::all())
        total += b.aliases.size();
    EXPECT_EQ(total, 381);
}

TEST(BibleBook, SharedAliasesAreExactlyTheTieTable)
{
    const QMap<QString, QStringList> ties = {
        {"на", {"JOS", "NAM"}},
        {"іс", {"JOS", "ISA"}},
        {"йо", {"JOB", "JOL", "JON"}},
        {"єр", {"JER", "LAM"}},
        {"єре", {"JER", "LAM"}},
        {"єрем", {"JER", "LAM"}},
        {"єремі", {"JER", "LAM"}},
        {"єремії", {"JER", "LAM"}},
        {"ав", {"OBA", "HAB"}},
        {"ма", {"MAL", "MAT", "MRK"}},
        {"фи", {"PHP", "PHM"}},
        {"фил", {"PHP", "PHM"}},
        {"фили", {"PHP", "PHM"}},
    };
    QMap<QString, QStringList> shared;
    for (const BibleBook& b : BibleBook::all())
        for (const QString& alias : b.aliases)
            if (codesHolding(alias).size() > 1)
                shared.insert(alias, codesHolding(alias));
    EXPECT_EQ(shared, ties);
}

TEST(BibleBook, WorkedAliasLists)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"RUT", {"ру", "рут"}},
        {"ACT", {"ді", "дії"}},
        {"1CO", {"1 коринтян", "1ко", "1кор", "1кори", "1корин", "1коринт", "1коринтя", "1коринтян"}},
        {"PHP", {"фи", "фил", "фили", "филип", "филипя", "филипян", "филипянам", "флп"}},
        {"SNG", {"пі", "піс", "пісе", "пісен", "пісень", "пісн", "пісня", "пісня ", "пісня п", "пісня пі",
                 "пісня піс", "пісня пісе", "пісня пісен", "пісня пісень"}},
        {"ROM", {"ри", "рим", "римл", "римля", "римлян", "римлянам"}},
    };
    for (const auto& [code, aliases] : cases)
        EXPECT_EQ(book(code).aliases, aliases) << code;
    const QStringList jos = book("JOS").aliases;
    EXPECT_TRUE(jos.contains("ісуса ")) << "a prefix may end with the space of a base form";
    EXPECT_TRUE(jos.contains("ісуса навина"));
    EXPECT_FALSE(book("1SA").aliases.contains("1 сам"));
    EXPECT_FALSE(book("ROM").aliases.contains("римляна"));
}

TEST(BibleBook, AliasShapeRules)
{
    for (const BibleBook& b : BibleBook::all()) {
        const bool ruleB = b.name.front().isDigit();
        QStringList sorted = b.aliases;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(b.aliases, sorted) << qPrintable(b.code);
        for (const QString& alias : b.aliases) {
            EXPECT_GE(TextNormalization::characterCount(alias), 2) << qPrintable(alias);
            EXPECT_EQ(TextNormalization::stripApostrophes(alias), alias) << qPrintable(alias);
            EXPECT_EQ(TextNormalization::lowercased(alias), alias) << qPrintable(alias);
            if (ruleB && alias.contains(u' '))
                EXPECT_EQ(alias, TextNormalization::lowercased(b.name)) << qPrintable(alias);
        }
    }
    EXPECT_TRUE(book("PHP").name.contains(u'’'));
    EXPECT_TRUE(book("REV").name.contains(u'’'));
}

TEST(BibleBook, TestamentTextAndHashing)
{
    EXPECT_EQ(testamentText(BibleBook::Testament::Old), "Старий Заповіт");
    EXPECT_EQ(testamentFromText("Новий Заповіт"), BibleBook::Testament::New);
    EXPECT_EQ(testamentFromText("Новий"), std::nullopt);

    BibleBook copy = book("JHN");
    EXPECT_EQ(copy, book("JHN"));
    EXPECT_EQ(qHash(copy), qHash(book("JHN")));
    copy.aliases.removeLast();
    EXPECT_NE(copy, book("JHN"));
}
