// Times search + wordMatchCount for typical and worst-case queries on the built
// bible.db, and the same SQLite statements replayed bare through sqlite3, so that
// the cost of the program's own layer shows as a ratio.
//
//   build/bin/search_benchmark [--db PATH] [google-benchmark flags]

#include "BibleSearchService.h"
#include "MemorySettingsStore.h"
#include "InsertionPreferences.h"
#include "SearchHighlighter.h"
#include "SearchHistoryStore.h"
#include "SearchPanelState.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <map>

namespace {

QString databasePath = QStringLiteral(LAMPSTRIDE_BIBLE_DB);

struct Query {
    const char* label;
    const char* text;
    bool worstCase;
};

const Query queries[] = {
    {"ів 3:16", "ів 3:16", false},
    {"пс 23", "пс 23", false},
    {"1 кор 13:4-7", "1 кор 13:4-7", false},
    {"любов", "любов", false},
    {"бог є любов", "бог є любов", false},
    {"«любов»", "«любов»", false},
    {"мат", "мат", false},
    {"пастир", "пастир", false},
    {"і", "і", true},
    {"а", "а", true},
    {"в", "в", true},
    // One-letter words that do reach the index: a quoted word, and two of them.
    {"«і»", "«і»", true},
    {"і в", "і в", true},
    {"«а»", "«а»", true},
};

BibleDatabase& database()
{
    static std::unique_ptr<BibleDatabase> db = [] {
        auto opened = BibleDatabase::open(databasePath);
        if (!opened) {
            std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(databasePath), qPrintable(opened.error().message));
            std::exit(1);
        }
        return std::move(opened).value();
    }();
    return *db;
}

void searchAndCount(benchmark::State& state, const Query& query)
{
    const BibleSearchService service(&database());
    const QString text = QString::fromUtf8(query.text);
    for (auto _ : state) {
        SearchOutcome outcome = service.search(text);
        std::optional<qint64> count = service.wordMatchCount(text);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(count);
    }
}

// The statements our layer ran for the query, with their arguments written in.
std::vector<std::string> statementsOf(const Query& query)
{
    std::vector<std::string> statements;
    database().setStatementObserver([&](const QString& sql) { statements.push_back(sql.toStdString()); });
    const BibleSearchService service(&database());
    service.search(QString::fromUtf8(query.text));
    service.wordMatchCount(QString::fromUtf8(query.text));
    database().setStatementObserver({});
    return statements;
}

void bareSqlite(benchmark::State& state, const Query& query)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(databasePath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    // The same connection setting as ours, so the ratio is the cost of our own code.
    sqlite3_exec(db, BibleDatabase::memoryMapPragma, nullptr, nullptr, nullptr);
    std::vector<sqlite3_stmt*> prepared;
    for (const std::string& sql : statementsOf(query)) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
        prepared.push_back(stmt);
    }
    for (auto _ : state) {
        for (sqlite3_stmt* stmt : prepared) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                    benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            }
            sqlite3_reset(stmt);
        }
    }
    state.counters["statements"] = static_cast<double>(prepared.size());
    for (sqlite3_stmt* stmt : prepared)
        sqlite3_finalize(stmt);
    sqlite3_close(db);
}

// What the panel's model does per keystroke: search, count, rows.
void panelState(benchmark::State& state, const char* query)
{
    const BibleSearchService service(&database());
    MemorySettingsStore settings;
    SearchHistoryStore history(settings);
    InsertionPreferences preferences(settings);
    SearchPanelState panel({const_cast<BibleSearchService*>(&service), &database(), &history, &preferences, nullptr});
    const QString text = QString::fromUtf8(query);
    for (auto _ : state) {
        panel.setQuery(text);
        panel.updateSearch();
    }
}

// The view marks found words in every row it draws.
void highlightRow(benchmark::State& state, const char* query)
{
    const QString text = QStringLiteral("Бо так полюбив Бог світ, що дав Сина Свого Однородженого, щоб кожен, хто вірує в "
                                        "Нього, не загинув, але мав життя вічне, і любов Його з нами.");
    const QString q = QString::fromUtf8(query);
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchHighlighter::ranges(q, text, true));
}

// Prints each query's mean time beside the bare time and their ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const double ms = run.GetAdjustedRealTime();  // in the run's unit, milliseconds
            const auto slash = name.find('/');
            const std::string kind = name.substr(0, slash);
            const std::string label = name.substr(slash + 1);
            if (kind == "highlight" || kind == "panel state")
                continue;
            (kind == "search" ? ours : bare)[label] = ms;
            if (kind == "bare")
                statements[label] = static_cast<int>(run.counters.at("statements").value);
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-16s %10s %10s %7s %11s  %s\n", "query", "ours ms", "bare ms", "ratio", "statements",
                    "target");
        for (const Query& q : queries) {
            const double o = ours[q.label];
            const double b = bare[q.label];
            const int n = statements[q.label];
            const double target = q.worstCase ? 16.0 : 2.0;
            // Pad by characters, not bytes: the labels are Cyrillic.
            QString label = QString::fromUtf8(q.label);
            label = label.leftJustified(16);
            std::printf("%s %10.3f %10.3f %7s %11d  %s %s\n", label.toUtf8().constData(), o, b,
                        n > 0 ? QByteArray::number(o / b, 'f', 2).constData() : "-", n,
                        q.worstCase ? "<16 ms" : "<2 ms", o < target ? "met" : "MISSED");
        }
    }

private:
    std::map<std::string, double> ours, bare;
    std::map<std::string, int> statements;
};

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--db") == 0) {
            databasePath = QString::fromUtf8(argv[i + 1]);
            for (int j = i; j + 2 < argc + 1; ++j)
                argv[j] = argv[j + 2];
            argc -= 2;
            break;
        }
    }
    for (const Query& q : queries) {
        benchmark::RegisterBenchmark((std::string("search/") + q.label).c_str(), searchAndCount, q)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("bare/") + q.label).c_str(), bareSqlite, q)
            ->Unit(benchmark::kMillisecond);
    }
    for (const char* q : {"любов", "мат", "«і»"})
        benchmark::RegisterBenchmark((std::string("panel state/") + q).c_str(), panelState, q)
            ->Unit(benchmark::kMillisecond);
    for (const char* q : {"любов", "бог є любов"})
        benchmark::RegisterBenchmark((std::string("highlight/") + q).c_str(), highlightRow, q)
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
