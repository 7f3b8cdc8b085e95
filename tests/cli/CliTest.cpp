#include "FixtureBible.h"
#include "ProcessRunner.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

const QString cli = QStringLiteral(LAMPSTRIDE_BIN_DIR "/lampstride-cli");

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { db = FixtureBible::write(dir); }

    ProcessResult run(QStringList args) { return runProgram(cli, args); }
    ProcessResult runOnFixture(QStringList args) { return runProgram(cli, QStringList{"--db", db} + args); }

    QTemporaryDir dir;
    QString db;
};

}  // namespace

TEST_F(CliTest, ParseJson)
{
    const std::pair<QString, QString> cases[] = {
        {"ів 3:16", R"({"kind":"reference","book":"JHN","chapter":3,"verseStart":16,"verseEnd":null,"colonWithoutVerse":false})"},
        {"ів", R"({"kind":"bookPrefix","input":"ів","suggestions":["JHN","1JN","2JN","3JN"]})"},
        {"любов \"так\"", R"({"kind":"fullTextSearch","text":"любов \"так\""})"},
        {"«віра»", R"({"kind":"exactTextSearch","text":"віра"})"},
        {"ів 3:16-", R"({"kind":"unknownBook"})"},
        {" ", R"({"kind":"empty"})"},
    };
    for (const auto& [query, json] : cases) {
        const ProcessResult r = run({"parse", query, "--json"});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, json + "\n") << qPrintable(query);
    }
}

TEST_F(CliTest, SearchJson)
{
    const std::pair<QString, QString> cases[] = {
        {"ів 3:2",
         R"({"kind":"results","count":null,"items":[{"book":"JHN","chapter":3,"verses":[2],"isWholeChapter":false,)"
         R"("matchedOtherWordForms":false,"displayReference":"Івана 3:2","texts":["Бог є любов, казав він, і любові вистачить усім."]}]})"},
        {"мат",
         R"({"kind":"booksAndResults","books":["MAT"],"count":1,"items":[{"book":"GEN","chapter":1,"verses":[2],"isWholeChapter":false,)"
         R"("matchedOtherWordForms":true,"displayReference":"Буття 1:2","texts":["Мати пекла хліб, і дім наповнився світлом."]}]})"},
        {"ів", R"({"kind":"bookSuggestions","books":["JHN","1JN","2JN","3JN"]})"},
        {"ів 22", R"({"kind":"message","text":"Вірш не знайдено"})"},
        {"", R"({"kind":"idle"})"},
    };
    for (const auto& [query, json] : cases) {
        const ProcessResult r = runOnFixture({"search", query, "--json"});
        EXPECT_EQ(r.exitCode, 0) << qPrintable(query);
        EXPECT_EQ(r.out, json + "\n") << qPrintable(query);
    }
    const ProcessResult love = runOnFixture({"search", "--json", "любов"});
    EXPECT_TRUE(love.out.startsWith(R"({"kind":"results","count":3,"items":[)")) << qPrintable(love.out);
}

TEST_F(CliTest, HumanReadableOutput)
{
    EXPECT_EQ(runOnFixture({"search", "ів 3:2"}).out, "Івана 3:2 Бог є любов, казав він, і любові вистачить усім.\n");
    EXPECT_TRUE(runOnFixture({"search", "пс 23"}).out.startsWith("Псалми 23:1–6 1 Пісня пастуха про зелені пасовища. 2 Він"));
    EXPECT_EQ(runOnFixture({"search", "ів"}).out, "Івана\n1 Івана\n2 Івана\n3 Івана\n");
    EXPECT_EQ(runOnFixture({"search", "зебра"}).out, "Нічого не знайдено\n");
    EXPECT_EQ(run({"parse", "1 кор 13:4-7"}).out, "Посилання: 1 Коринтян 13:4–7\n");
}

TEST_F(CliTest, HighlightJson)
{
    EXPECT_EQ(run({"highlight", "любов", "Бог є любов, і любові", "--other-forms", "--json"}).out, "[[6,11],[15,21]]\n");
    EXPECT_EQ(run({"highlight", "любов", "Бог є любов, і любові", "--json"}).out, "[[6,11]]\n");
    EXPECT_EQ(run({"highlight", "x", "y", "--json"}).out, "[]\n");
}

TEST_F(CliTest, BadArgumentsGiveUsageAndExit2)
{
    const QStringList cases[] = {
        {},
        {"frobnicate", "x"},
        {"parse"},
        {"parse", "a", "b"},
        {"highlight", "a"},
        {"search", "x", "--db"},
        {"parse", "x", "--colour"},
        {"parse", "x", "--other-forms"},
    };
    for (const QStringList& args : cases) {
        const ProcessResult r = run(args);
        EXPECT_EQ(r.exitCode, 2) << qPrintable(args.join(' '));
        EXPECT_TRUE(r.err.contains("lampstride-cli [--db ШЛЯХ]")) << qPrintable(args.join(' '));
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(run({"parse", "--", "--json"}).out, "Пошук слів: --json\n") << "-- ends the options";
}

TEST_F(CliTest, MissingOrDamagedDatabaseExits1)
{
    QFile garbage(dir.filePath("garbage.db"));
    garbage.open(QIODevice::WriteOnly);
    garbage.write(QByteArray(8192, '\x5a'));
    garbage.close();
    const QString noVerses = FixtureBible::write(dir, "no-verses.db");
    FixtureBible::exec(noVerses, "DROP TABLE verses");

    const QStringList paths = {dir.filePath("absent.db"), garbage.fileName(), noVerses};
    for (const QString& path : paths) {
        const ProcessResult r = run({"--db", path, "search", "пс 23", "--json"});
        EXPECT_FALSE(r.crashed) << qPrintable(path);
        EXPECT_EQ(r.exitCode, 1) << qPrintable(path);
        EXPECT_FALSE(r.err.isEmpty()) << qPrintable(path);
    }
}

namespace {

// Runs `text` with a private config folder holding the given settings file.
struct TextRun {
    ProcessResult result;
    QByteArray settingsAfter;
};

TextRun runText(const QString& db, const QStringList& args, const QByteArray& settings)
{
    const QTemporaryDir config;
    const QString file = config.filePath("com.lampstride.Lampstride.ini");
    if (!settings.isEmpty()) {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(settings);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    TextRun run{runProgram(cli, QStringList{"--db", db, "text"} + args, 60000, env), {}};
    QFile f(file);
    if (f.open(QIODevice::ReadOnly))
        run.settingsAfter = f.readAll();
    return run;
}

}  // namespace

TEST_F(CliTest, TextFollowsStoredSettingsAndFlagsWithoutWritingThem)
{
    const QByteArray stored = "[General]\ncom.lampstride.formatKind=textOnly\ncom.lampstride.searchHistory=стара\n";
    struct Case {
        QStringList args;
        QString expected;
    };
    const Case cases[] = {
        {{"ів 3:2"}, "Бог є любов, казав він, і любові вистачить усім"},
        {{"ів 3:2", "--format", "referenceWithText"}, "Івана 3:2 — «Бог є любов, казав він, і любові вистачить усім»"},
        {{"ів 3:2", "--format", "custom", "--template", "{verse}|{book}"}, "2|Івана"},
        {{"ів 3:1-2", "--numbers", "--reference", "before", "--style", "singleLine"},
         "Івана 3:1–2\n\n1. Ісус говорив до учнів біля моря. 2. Бог є любов, казав він, і любові вистачить усім."},
        {{"пс 23:", "--numbers"}, "1. Пісня пастуха про зелені пасовища.\n\nПсалми 23:1"},
    };
    for (const Case& c : cases) {
        const TextRun run = runText(db, c.args, stored);
        EXPECT_EQ(run.result.exitCode, 0) << qPrintable(c.args.join(' ')) << qPrintable(run.result.err);
        EXPECT_EQ(run.result.out, c.expected) << qPrintable(c.args.join(' '));
        EXPECT_EQ(run.settingsAfter, stored) << "nothing written, no history recorded";
    }
    EXPECT_EQ(runText(db, {"ів 3:2"}, {}).result.out, "«Бог є любов, казав він, і любові вистачить усім» (Івана 3:2)")
        << "defaults without a settings file";
}

TEST_F(CliTest, TextWithNothingToInsert)
{
    const std::pair<QStringList, int> cases[] = {
        {{"ів"}, 3},
        {{"ів 22"}, 3},
        {{"зебра"}, 3},
        {{"ів 3:2", "--style", "diagonal"}, 2},
        {{"ів 3:2", "--format"}, 2},
        {{"ів 3:2", "--json"}, 2},
    };
    for (const auto& [args, code] : cases) {
        const TextRun run = runText(db, args, {});
        EXPECT_EQ(run.result.exitCode, code) << qPrintable(args.join(' '));
        EXPECT_TRUE(run.result.out.isEmpty()) << qPrintable(args.join(' '));
        EXPECT_FALSE(run.result.err.isEmpty()) << qPrintable(args.join(' '));
    }
    EXPECT_EQ(run({"parse", "ів", "--numbers"}).exitCode, 2) << "insertion options belong to text";
}
