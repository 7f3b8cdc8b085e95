#include "BibleSearchService.h"
#include "FixtureBible.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// "GEN.1.2*" — an item as book, chapter, verses, with * when found through other forms
// and "(chapter)" for a whole chapter: compact enough for tables of cases.
QString describe(const SearchResultItem& item)
{
    QStringList verses;
    for (const VerseRecord& v : item.verses)
        verses.append(QString::number(v.verse));
    return QStringLiteral("%1.%2.%3%4%5")
        .arg(item.book.code)
        .arg(item.chapter)
        .arg(verses.join(u','))
        .arg(item.matchedOtherWordForms ? "*" : "")
        .arg(item.isWholeChapter ? "(chapter)" : "");
}

QString describe(const SearchOutcome& outcome)
{
    auto items = [](const SearchResultItems& list) {
        QStringList parts;
        for (const SearchResultItem& item : list)
            parts.append(describe(item));
        return parts.join(u' ');
    };
    auto books = [](const QList<BibleBook>& list) {
        QStringList codes;
        for (const BibleBook& b : list)
            codes.append(b.code);
        return codes.join(u',');
    };
    if (const auto* r = outcome.as<SearchOutcome::Results>())
        return QStringLiteral("results: ") + items(r->items);
    if (const auto* b = outcome.as<SearchOutcome::BookSuggestions>())
        return QStringLiteral("books: ") + books(b->books);
    if (const auto* br = outcome.as<SearchOutcome::BooksAndResults>())
        return QStringLiteral("books: %1; results: %2").arg(books(br->books), items(br->results));
    if (const auto* m = outcome.as<SearchOutcome::Message>())
        return QStringLiteral("message: ") + m->text;
    return QStringLiteral("idle");
}

class SearchServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = FixtureBible::write(dir);
        database = std::move(BibleDatabase::open(path)).value();
        service = std::make_unique<BibleSearchService>(database.get());
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<BibleDatabase> database;
    std::unique_ptr<BibleSearchService> service;
};

}  // namespace

TEST_F(SearchServiceTest, Outcomes)
{
    const std::pair<QString, QString> cases[] = {
        // idle
        {"", "idle"},
        {"   ", "idle"},
        {"?!", "idle"},
        {"«»", "idle"},
        // references
        {"ів 3:2", "results: JHN.3.2"},
        {"ів 3", "results: JHN.3.1,2,3,4,5(chapter)"},
        {"пс 23", "results: PSA.23.1,2,3,4,5,6(chapter)"},
        {"пс 23:", "results: PSA.23.1 PSA.23.2 PSA.23.3 PSA.23.4 PSA.23.5 PSA.23.6"},
        {"пс 23:1", "results: PSA.23.1"},
        {"ів 3:2-4", "results: JHN.3.2,3,4"},
        {"ів 3:4-9", "results: JHN.3.4,5"},
        {"ів 3-5", "results: JHN.3.1,2,3,4,5(chapter)"},
        // reference messages
        {"ів 0", "message: Вірш не знайдено"},
        {"ів 22", "message: Вірш не знайдено"},
        {"ів 3:0", "message: Вірш не знайдено"},
        {"ів 3:18-16", "message: Вірш не знайдено"},
        {"ів 4", "message: Вірш не знайдено"},
        {"ів 3:16-", "message: Не вдалося визначити біблійну книгу"},
        {"псалом 23", "message: Не вдалося визначити біблійну книгу"},
        // book prefixes
        {"ів", "books: JHN,1JN,2JN,3JN"},
        {"мат", "books: MAT; results: GEN.1.2*"},
        {"луки", "books: LUK"},
        {"1кор", "books: 1CO"},
        // word searches: exact forms first, then other forms
        {"любов", "results: GEN.1.3 JHN.3.2 1CO.13.4*"},
        {"світл", "results: GEN.1.2* JHN.3.4*"},
        {"бог є любов", "results: JHN.3.2"},
        {"Об’явлення", "books: REV; results: JHN.3.5"},
        {"обявлення", "books: REV; results: JHN.3.5"},
        {"об'явлення прийшло", "results: JHN.3.5"},
        {"зебра", "message: Нічого не знайдено"},
        // exact searches never take other forms
        {"«світ»", "results: JHN.3.4"},
        {"«любов»", "results: GEN.1.3 JHN.3.2"},
        {"«є любов»", "results: JHN.3.2"},
        {"«любов є»", "message: Нічого не знайдено"},
    };
    for (const auto& [query, expected] : cases)
        EXPECT_EQ(describe(service->search(query)), expected) << qPrintable(query);
}

TEST_F(SearchServiceTest, ItemLabels)
{
    const SearchOutcome psalm = service->search(u"пс 23");
    const SearchResultItem& item = psalm.as<SearchOutcome::Results>()->items.first();
    EXPECT_EQ(item.verseLabel(), "1–6");
    EXPECT_EQ(item.displayReference(), "Псалми 23:1–6");
    EXPECT_EQ(item.id(), "PSA.23.1-6");
    EXPECT_EQ(item.previewText(), "Пісня пастуха про зелені пасовища.");

    const SearchResultItem single = service->search(u"ів 3:4-9").as<SearchOutcome::Results>()->items.first();
    EXPECT_EQ(single.displayReference(), "Івана 3:4–5") << "the label shows the verses found";

    SearchResultItem bare{item.book, 23, {}, true, false};
    EXPECT_EQ(bare.verseLabel(), "");
    EXPECT_EQ(bare.displayReference(), "Псалми 23");
    EXPECT_EQ(bare.id(), "PSA.23.0-0");
    EXPECT_EQ(bare.previewText(), "");
}

TEST_F(SearchServiceTest, WordMatchCount)
{
    const std::pair<QString, std::optional<qint64>> cases[] = {
        {"любов", 3},
        {"«любов»", 2},
        {"«є любов»", 1},
        {"світл", 2},
        {"мат", 1},
        {"ів", std::nullopt},
        {"ів 3:2", std::nullopt},
        {"1кор", std::nullopt},
        {"зебра", std::nullopt},
        {"", std::nullopt},
        {"?!", std::nullopt},
        {"псалом 23", std::nullopt},
    };
    for (const auto& [query, expected] : cases)
        EXPECT_EQ(service->wordMatchCount(query), expected) << qPrintable(query);
}

TEST_F(SearchServiceTest, VersesOfUnknownBooksAreDropped)
{
    FixtureBible::exec(path, "UPDATE verses SET book_code = 'XYZ' WHERE book_code = '1CO'");
    EXPECT_EQ(describe(service->search(u"любов")), "results: GEN.1.3 JHN.3.2");
}

TEST_F(SearchServiceTest, DatabaseFailuresBecomeMessages)
{
    FixtureBible::exec(path, "DROP TABLE verses_fts");
    EXPECT_EQ(describe(service->search(u"любов")), "message: Помилка бази даних");
    EXPECT_EQ(describe(service->search(u"мат")), "books: MAT") << "a failed word search falls back to books";
    EXPECT_EQ(service->wordMatchCount(u"любов"), std::nullopt);
    EXPECT_EQ(describe(service->search(u"пс 23")), "results: PSA.23.1,2,3,4,5,6(chapter)");

    FixtureBible::exec(path, "DROP TABLE verses");
    EXPECT_EQ(describe(service->search(u"пс 23")), "message: Помилка бази даних");
    EXPECT_EQ(describe(service->search(u"ів 22")), "message: Вірш не знайдено") << "no read for a chapter outside the book";
}

TEST(SearchServiceWithoutDatabase, EveryReadIsADatabaseError)
{
    const BibleSearchService service(nullptr);
    EXPECT_EQ(describe(service.search(u"пс 23")), "message: Помилка бази даних");
    EXPECT_EQ(describe(service.search(u"любов")), "message: Помилка бази даних");
    EXPECT_EQ(describe(service.search(u"ів")), "books: JHN,1JN,2JN,3JN");
    EXPECT_EQ(service.wordMatchCount(u"любов"), std::nullopt);
}

TEST(SearchTerms, SplitLikeTheIndex)
{
    const std::pair<QString, QStringList> cases[] = {
        {"Бог є Любов", {"бог", "є", "любов"}},
        {"об’явлення", {"обявлення"}},
        {"Бог-Отець", {"бог", "отець"}},
        {"ів 3:16", {"ів", "3", "16"}},
        {"любов любов", {"любов", "любов"}},
        {QString::fromUtf16(u"и\u0306ти"), {"йти"}},
        {"…", {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(BibleSearchService::searchTerms(text), expected) << qPrintable(text);
    EXPECT_TRUE(BibleSearchService::isWordLike(u"мат"));
    EXPECT_TRUE(BibleSearchService::isWordLike(u"ісус"));
    EXPECT_FALSE(BibleSearchService::isWordLike(u"ів"));
    EXPECT_FALSE(BibleSearchService::isWordLike(u"1кор"));
    EXPECT_FALSE(BibleSearchService::isWordLike(u"ів:"));
}
