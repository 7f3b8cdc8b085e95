#include "BibleDatabase.h"
#include "ProcessRunner.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString builder = QStringLiteral(LAMPSTRIDE_BIN_DIR "/lampstride-build-db");
const QByteArray header = "book_number\tbook_code\tchapter\tverse\ttext\n";

struct Build {
    ProcessResult run;
    bool outputExists;
    QString outputPath;
};

Build build(const QTemporaryDir& dir, const QByteArray& tsv, bool withOldOutput = false)
{
    const QString input = dir.filePath("input.tsv");
    const QString output = dir.filePath("bible.db");
    QFile file(input);
    file.open(QIODevice::WriteOnly);
    file.write(tsv);
    file.close();
    QFile::remove(output);
    if (withOldOutput) {
        QFile old(output);
        old.open(QIODevice::WriteOnly);
        old.write("an older build");
    }
    const ProcessResult run = runProgram(builder, {input, output});
    return {run, QFile::exists(output), output};
}

}  // namespace

TEST(BibleDbBuilder, RefusesBadInputNamingTheLine)
{
    struct Case {
        const char* what;
        QByteArray tsv;
        QString expectedInMessage;
    };
    const Case cases[] = {
        {"four fields", header + "1\tGEN\t1\t1\tСлово.\n1\tGEN\t1\t2\n", "input.tsv:3:"},
        {"unknown code", header + "1\tGEN\t1\t1\tСлово.\n1\tXYZ\t1\t2\tСлово.\n", "input.tsv:3: невідомий код книги «XYZ»"},
        {"number and code disagree", header + "2\tGEN\t1\t1\tСлово.\n", "input.tsv:2:"},
        {"chapter past the catalog", header + "43\tJHN\t22\t1\tСлово.\n", "input.tsv:2: розділ «22»"},
        {"chapter zero", header + "43\tJHN\t0\t1\tСлово.\n", "input.tsv:2:"},
        {"verse not a number", header + "43\tJHN\t1\tx\tСлово.\n", "input.tsv:2:"},
        {"duplicate verse", header + "43\tJHN\t1\t1\tСлово.\n43\tJHN\t1\t2\tІнше.\n43\tJHN\t1\t1\tЩе.\n", "input.tsv:4:"},
        {"empty text", header + "43\tJHN\t1\t1\t \n", "input.tsv:2:"},
        {"no header", "43\tJHN\t1\t1\tСлово.\n", "input.tsv:1:"},
        {"empty file", "", "input.tsv:1:"},
        {"blank line inside", header + "43\tJHN\t1\t1\tСлово.\n\n43\tJHN\t1\t2\tІнше.\n", "input.tsv:3:"},
        {"broken UTF-8", header + "43\tJHN\t1\t1\t\xD0\n", "input.tsv:2:"},
    };
    for (const Case& c : cases) {
        const QTemporaryDir dir;
        const Build result = build(dir, c.tsv, true);
        EXPECT_FALSE(result.run.crashed) << c.what;
        EXPECT_NE(result.run.exitCode, 0) << c.what;
        EXPECT_TRUE(result.run.err.contains(c.expectedInMessage)) << c.what << ": " << qPrintable(result.run.err);
        EXPECT_FALSE(result.outputExists) << c.what << ": no bible.db may be left behind";
        EXPECT_FALSE(QFile::exists(result.outputPath + ".partial")) << c.what;
    }
}

TEST(BibleDbBuilder, WritesAReadableDatabase)
{
    const QTemporaryDir dir;
    const Build result = build(dir, header + "43\tJHN\t1\t1\tСлово було.\r\n43\tJHN\t1\t2\tВоно ж’явилось.\r\n");
    ASSERT_EQ(result.run.exitCode, 0) << qPrintable(result.run.err);
    auto db = BibleDatabase::open(result.outputPath);
    ASSERT_TRUE(db.ok());
    EXPECT_EQ(db.value()->translation(), "Переклад Івана Огієнка");
    EXPECT_EQ(db.value()->bookCount(), 1);
    EXPECT_EQ(db.value()->verseCount(), 2);
    const auto verses = db.value()->chapter("JHN", 1);
    ASSERT_TRUE(verses.ok());
    ASSERT_EQ(verses.value().size(), 2);
    EXPECT_EQ(verses.value()[1].text, "Воно ж’явилось.") << "the stored text keeps its apostrophe";
    EXPECT_EQ(verses.value()[1].bookName, "Івана");
    EXPECT_EQ(db.value()->fullTextCount({"жявилось"}, false, false).value(), 1) << "the index does not";
}

TEST(BibleDbBuilder, MissingInputAndBadArguments)
{
    const QTemporaryDir dir;
    EXPECT_EQ(runProgram(builder, {dir.filePath("none.tsv"), dir.filePath("bible.db")}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("bible.db")));
    EXPECT_EQ(runProgram(builder, {}).exitCode, 2);
}
