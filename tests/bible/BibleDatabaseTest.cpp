#include "BibleDatabase.h"
#include "FixtureBible.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

class BibleDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { path = FixtureBible::write(dir); }

    std::unique_ptr<BibleDatabase> open()
    {
        Result<std::unique_ptr<BibleDatabase>> db = BibleDatabase::open(path);
        EXPECT_TRUE(db.ok()) << (db.ok() ? "" : qPrintable(db.error().message));
        return db.ok() ? std::move(db).value() : nullptr;
    }

    QList<qint64> numbers(const Result<Verses>& read)
    {
        QList<qint64> result;
        EXPECT_TRUE(read.ok());
        if (read.ok())
            for (const VerseRecord& v : read.value())
                result.append(v.verse);
        return result;
    }

    QTemporaryDir dir;
    QString path;
};

}  // namespace

TEST_F(BibleDatabaseTest, ReadsMetaFacts)
{
    auto db = open();
    EXPECT_EQ(db->translation(), "Вигаданий переклад");
    EXPECT_EQ(db->bookCount(), 5);
    EXPECT_EQ(db->verseCount(), 17);
}

TEST_F(BibleDatabaseTest, MetaFallbacks)
{
    struct Case {
        const char* rows;
        const char* translation;
        qint64 bookCount;
        qint64 verseCount;
    };
    const Case cases[] = {
        {"('book_count','66')", "CUV", 66, 0},
        {"('translation','A'),('translation','B'),('book_count','x66'),('verse_count','+12')", "B", 0, 12},
        {"('translation','A'),('translation',NULL),('book_count',' 66'),('verse_count','-3')", "CUV", 0, -3},
        {"('verse_count','9223372036854775808'),('book_count','-9223372036854775808')", "CUV",
         std::numeric_limits<qint64>::min(), 0},
    };
    for (const Case& c : cases) {
        FixtureBible::exec(path, QStringLiteral("DROP TABLE meta; CREATE TABLE meta (key TEXT NOT NULL, value TEXT);"
                                                "INSERT INTO meta VALUES %1").arg(QLatin1String(c.rows)));
        auto db = open();
        EXPECT_EQ(db->translation(), QString::fromUtf8(c.translation)) << c.rows;
        EXPECT_EQ(db->bookCount(), c.bookCount) << c.rows;
        EXPECT_EQ(db->verseCount(), c.verseCount) << c.rows;
    }
}

TEST_F(BibleDatabaseTest, ChaptersAndRanges)
{
    auto db = open();
    const Result<Verses> psalm = db->chapter("PSA", 23);
    EXPECT_EQ(numbers(psalm), (QList<qint64>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(psalm.value().first().bookName, "Псалми");
    EXPECT_EQ(psalm.value().first().bookNumber, 19);
    EXPECT_EQ(numbers(db->verses("JHN", 3, 2, 4)), (QList<qint64>{2, 3, 4}));
    EXPECT_EQ(numbers(db->verses("JHN", 3, 4, 9)), (QList<qint64>{4, 5})) << "runs past the last verse";
    EXPECT_EQ(numbers(db->verses("JHN", 3, 4, 2)), QList<qint64>{}) << "from after to";
    EXPECT_EQ(numbers(db->chapter("JHN", 4)), QList<qint64>{});
}

TEST_F(BibleDatabaseTest, FullTextSearchesAndCounts)
{
    auto db = open();
    EXPECT_EQ(numbers(db->fullTextSearchAllTerms({"любов"}, false, -1)), (QList<qint64>{3, 2}))
        << "canonical order: Genesis before John";
    EXPECT_EQ(numbers(db->fullTextSearchAllTerms({"любов"}, true, -1)), (QList<qint64>{3, 2, 4}));
    EXPECT_EQ(numbers(db->fullTextSearchAllTerms({"любов"}, true, 2)), (QList<qint64>{3, 2}));
    EXPECT_EQ(numbers(db->fullTextSearchPhrase({"бог", "є", "любов"}, false, -1)), (QList<qint64>{2}));
    EXPECT_EQ(numbers(db->fullTextSearchPhrase({"любов", "бог"}, false, -1)), QList<qint64>{});
    EXPECT_EQ(numbers(db->fullTextSearchPhrase({"любов"}, false, -1)), QList<qint64>{}) << "a phrase needs two terms";
    EXPECT_EQ(numbers(db->fullTextSearchAllTerms({}, false, -1)), QList<qint64>{});
    EXPECT_EQ(numbers(db->fullTextSearchAllTerms({"обявлення"}, false, -1)), (QList<qint64>{5}));

    EXPECT_EQ(db->fullTextCount({"любов"}, false, true).value(), 2) << "one term counts even as a phrase";
    EXPECT_EQ(db->fullTextCount({"любов"}, true, false).value(), 3);
    EXPECT_EQ(db->fullTextCount({}, true, false).value(), 0);
    EXPECT_EQ(db->fullTextCount({"є", "любов"}, false, true).value(), 1);
}

TEST(BibleDatabaseMatchExpressions, TermsAndJoins)
{
    EXPECT_EQ(BibleDatabase::ftsTerm("бог", true), "\"бог\"*");
    EXPECT_EQ(BibleDatabase::ftsTerm("бо", true), "\"бо\"");
    EXPECT_EQ(BibleDatabase::ftsTerm("бог", false), "\"бог\"");
    EXPECT_EQ(BibleDatabase::ftsTerm("б\"ог", false), "\"бог\"");
    EXPECT_EQ(BibleDatabase::phraseMatchQuery({"бог", "є", "любов"}, true), "\"бог\"* + \"є\" + \"любов\"*");
    EXPECT_EQ(BibleDatabase::allTermsMatchQuery({"бог", "є", "любов"}, true), "\"бог\"* \"є\" \"любов\"*");
    EXPECT_EQ(BibleDatabase::allTermsMatchQuery({"бог", "є", "любов"}, false), "\"бог\" \"є\" \"любов\"");
}

TEST_F(BibleDatabaseTest, RowsThatDoNotDecodeFailTheQuery)
{
    const char* damage[] = {
        "UPDATE verses SET chapter = NULL WHERE book_code = 'PSA' AND verse = 1",
        "UPDATE verses SET verse = 'один' WHERE book_code = 'PSA' AND verse = 1",
        "UPDATE verses SET book_name = NULL WHERE book_code = 'PSA' AND verse = 1",
        "UPDATE verses SET text = X'FFFE' WHERE book_code = 'PSA' AND verse = 1",
        "UPDATE verses SET book_number = 1.5 WHERE book_code = 'PSA' AND verse = 1",
    };
    for (const char* sql : damage) {
        const QTemporaryDir fresh;
        path = FixtureBible::write(fresh);
        // A copy of the table without its NOT NULL constraints, so the damage can be stored.
        FixtureBible::exec(path, "CREATE TABLE loose AS SELECT * FROM verses; DROP TABLE verses;"
                                 "ALTER TABLE loose RENAME TO verses");
        FixtureBible::exec(path, QString::fromUtf8(sql));
        auto db = open();
        // Found through the index, so no WHERE clause on the damaged column hides the row.
        const Result<Verses> read = db->fullTextSearchAllTerms({"пастуха"}, false, -1);
        EXPECT_FALSE(read.ok()) << sql;
        if (!read.ok())
            EXPECT_EQ(read.error().kind, DatabaseError::Kind::Decoding) << sql;
    }
}

TEST_F(BibleDatabaseTest, DamagedOrMissingFiles)
{
    Result<std::unique_ptr<BibleDatabase>> missing = BibleDatabase::open(dir.filePath("nothing.db"));
    ASSERT_FALSE(missing.ok());
    EXPECT_FALSE(QFile::exists(dir.filePath("nothing.db"))) << "opening never creates the file";

    QFile garbage(dir.filePath("garbage.db"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    EXPECT_FALSE(BibleDatabase::open(garbage.fileName()).ok());

    FixtureBible::exec(path, "DROP TABLE verses_fts");
    auto db = open();
    EXPECT_TRUE(db->chapter("PSA", 23).ok());
    EXPECT_FALSE(db->fullTextSearchAllTerms({"любов"}, false, -1).ok());
    EXPECT_FALSE(db->fullTextCount({"любов"}, false, false).ok());
}

TEST_F(BibleDatabaseTest, OpensReadOnly)
{
    auto db = open();
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    db->chapter("PSA", 23);
    db->fullTextSearchAllTerms({"любов"}, true, -1);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), before);
    EXPECT_FALSE(QFile::exists(path + "-journal"));
}
