// A few checks on the bible.db the build made from the shipped verse text.

#include "BibleSearchService.h"
#include "BibleSource.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString sourceText(const char* code, int chapter, int verse)
{
    return sourceVerse(QStringLiteral(LAMPSTRIDE_BIBLE_TSV), code, chapter, verse);
}

class RealBible : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        auto opened = BibleDatabase::open(QStringLiteral(LAMPSTRIDE_BIBLE_DB));
        ASSERT_TRUE(opened.ok());
        database = std::move(opened).value().release();
    }
    static void TearDownTestSuite() { delete database; }
    static BibleDatabase* database;
};
BibleDatabase* RealBible::database = nullptr;

}  // namespace

TEST_F(RealBible, MetaFacts)
{
    EXPECT_EQ(database->translation(), "Переклад Івана Огієнка");
    EXPECT_EQ(database->bookCount(), 66);
    EXPECT_EQ(database->verseCount(), 31102);
}

TEST_F(RealBible, SmokeQueries)
{
    const BibleSearchService service(database);

    const SearchOutcome john = service.search(u"ів 3:16");
    ASSERT_TRUE(john.is<SearchOutcome::Results>());
    const SearchResultItem& verse = john.as<SearchOutcome::Results>()->items.first();
    EXPECT_EQ(verse.displayReference(), "Івана 3:16");
    EXPECT_EQ(verse.previewText(), sourceText("JHN", 3, 16));
    EXPECT_FALSE(verse.previewText().isEmpty());

    const SearchOutcome psalm = service.search(u"пс 23");
    ASSERT_TRUE(psalm.is<SearchOutcome::Results>());
    ASSERT_EQ(psalm.as<SearchOutcome::Results>()->items.size(), 1);
    EXPECT_TRUE(psalm.as<SearchOutcome::Results>()->items.first().isWholeChapter);
    EXPECT_EQ(psalm.as<SearchOutcome::Results>()->items.first().verses.size(), 6);

    const SearchOutcome malachi = service.search(u"мал 3:24");
    ASSERT_TRUE(malachi.is<SearchOutcome::Results>());
    EXPECT_EQ(malachi.as<SearchOutcome::Results>()->items.first().previewText(), sourceText("MAL", 3, 24));

    EXPECT_EQ(service.search(u"ів 22"), (SearchOutcome{SearchOutcome::Message{"Вірш не знайдено"}}));

    const SearchOutcome love = service.search(u"любов");
    ASSERT_TRUE(love.is<SearchOutcome::Results>());
    EXPECT_EQ(service.wordMatchCount(u"любов").value_or(0), love.as<SearchOutcome::Results>()->items.size());
}

TEST(RealBibleCli, TextOfTwoNumberedVersesOnOneLine)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QTemporaryDir config;
    env.insert("XDG_CONFIG_HOME", config.path());
    QProcess cli;
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(LAMPSTRIDE_BIN_DIR "/lampstride-cli"),
              {"--db", LAMPSTRIDE_BIBLE_DB, "text", "ів 3:16-17", "--numbers", "--style", "singleLine", "--reference", "before"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0);
    const QString expected = QStringLiteral("Івана 3:16–17\n\n16. %1 17. %2").arg(sourceText("JHN", 3, 16), sourceText("JHN", 3, 17));
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()), expected);
}
