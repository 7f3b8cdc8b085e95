// lampstride-cli: the query engine in a terminal. Prints what a query means, the
// verses it finds and where its words stand in a text.

#include "BibleDatabase.h"
#include "BibleReferenceParser.h"
#include "BibleSearchService.h"
#include "CliOutput.h"
#include "InsertionPreferences.h"
#include "MemorySettingsStore.h"
#include "Qt/IniSettingsStore.h"
#include "SearchHighlighter.h"
#include "SearchHistoryStore.h"
#include "SearchPanelState.h"

#include <QCoreApplication>

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

constexpr int exitUsage = 2;
constexpr int exitDatabase = 1;
constexpr int exitNothingToInsert = 3;

const char usageText[] =
    "Використання:\n"
    "  lampstride-cli [--db ШЛЯХ] parse ЗАПИТ [--json]\n"
    "  lampstride-cli [--db ШЛЯХ] search ЗАПИТ [--json]\n"
    "  lampstride-cli [--db ШЛЯХ] highlight ЗАПИТ ТЕКСТ [--other-forms] [--json]\n"
    "  lampstride-cli [--db ШЛЯХ] text ЗАПИТ [--numbers|--no-numbers] [--style multiline|singleLine]\n"
    "                 [--reference after|before] [--format ВИД] [--template ШАБЛОН]\n"
    "\n"
    "  parse      що означає запит (посилання, книга, пошук слів…)\n"
    "  search     вірші, які знаходить запит\n"
    "  highlight  де слова запиту стоять у тексті (позиції в кодових одиницях UTF-16)\n"
    "  text       текст, який вставив би Return на першому результаті, за налаштуваннями\n"
    "             програми або параметрами; ВИД: textWithReference, referenceWithText,\n"
    "             referenceOnSeparateLine, textOnly, custom. Код виходу 3: немає що вставити\n"
    "  --db       файл bible.db (типово той, що поруч із програмою)\n";

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
}

int usage(const QString& problem)
{
    if (!problem.isEmpty())
        print(stderr, QStringLiteral("lampstride-cli: ") + problem);
    std::fputs(usageText, stderr);
    return exitUsage;
}

struct Arguments {
    std::optional<QString> dbPath;
    QString command;
    QStringList positional;
    bool json = false;
    bool otherForms = false;
    // Insertion settings for `text`, each overriding the stored one.
    std::optional<bool> numbers;
    std::optional<NumberedStyle> style;
    std::optional<ReferencePosition> reference;
    std::optional<FormatKind> format;
    std::optional<QString> templateText;

    bool hasInsertionOptions() const { return numbers || style || reference || format || templateText; }
};

// Options may stand anywhere; "--" ends them.
std::optional<Arguments> readArguments(int argc, char** argv, QString& problem)
{
    Arguments args;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromUtf8(argv[i]);
        if (!optionsEnded && arg.startsWith(QLatin1String("--"))) {
            if (arg == QLatin1String("--")) {
                optionsEnded = true;
            } else if (arg == QLatin1String("--json")) {
                args.json = true;
            } else if (arg == QLatin1String("--other-forms")) {
                args.otherForms = true;
            } else if (arg == QLatin1String("--numbers") || arg == QLatin1String("--no-numbers")) {
                args.numbers = arg == QLatin1String("--numbers");
            } else if (arg == QLatin1String("--db") || arg == QLatin1String("--style") || arg == QLatin1String("--reference")
                       || arg == QLatin1String("--format") || arg == QLatin1String("--template")) {
                if (++i >= argc) {
                    problem = QStringLiteral("після %1 потрібне значення").arg(arg);
                    return std::nullopt;
                }
                const QString value = QString::fromUtf8(argv[i]);
                bool known = true;
                if (arg == QLatin1String("--db"))
                    args.dbPath = value;
                else if (arg == QLatin1String("--template"))
                    args.templateText = value;
                else if (arg == QLatin1String("--style"))
                    known = (args.style = InsertionChoices::numberedStyle(value)).has_value();
                else if (arg == QLatin1String("--reference"))
                    known = (args.reference = InsertionChoices::referencePosition(value)).has_value();
                else
                    known = (args.format = InsertionChoices::formatKind(value)).has_value();
                if (!known) {
                    problem = QStringLiteral("невідоме значення %1 для %2").arg(value, arg);
                    return std::nullopt;
                }
            } else {
                problem = QStringLiteral("невідомий параметр ") + arg;
                return std::nullopt;
            }
        } else if (args.command.isEmpty()) {
            args.command = arg;
        } else {
            args.positional.append(arg);
        }
    }
    return args;
}

int runParse(const Arguments& args)
{
    const ParsedQuery parsed = BibleReferenceParser::parse(args.positional[0]);
    print(stdout, args.json ? CliOutput::parsedQueryJson(parsed) : CliOutput::parsedQueryText(parsed));
    return 0;
}

int runHighlight(const Arguments& args)
{
    const QString& text = args.positional[1];
    const auto ranges = SearchHighlighter::ranges(args.positional[0], text, args.otherForms);
    const QString out = args.json ? CliOutput::rangesJson(ranges) : CliOutput::rangesText(ranges, text);
    if (!out.isEmpty())
        print(stdout, out);
    return 0;
}

int runSearch(const Arguments& args, BibleDatabase& database)
{
    const BibleSearchService service(&database);
    const QString& query = args.positional[0];
    const SearchOutcome outcome = service.search(query);
    if (!args.json) {
        const QString out = CliOutput::outcomeText(outcome);
        if (!out.isEmpty())
            print(stdout, out);
    } else {
        print(stdout, CliOutput::outcomeJson(outcome, service.wordMatchCount(query)));
    }
    const auto* message = outcome.as<SearchOutcome::Message>();
    if (message && message->text == SearchMessages::databaseError) {
        print(stderr, QStringLiteral("lampstride-cli: файл бази даних пошкоджений або не має потрібних таблиць"));
        return exitDatabase;
    }
    return 0;
}

// The stored insertion settings, with the given options put over them. Everything
// is assigned to a scratch store: the user's settings file is only read.
void applyInsertionSettings(const Arguments& args, InsertionPreferences& preferences)
{
    const InsertionPreferences stored(IniSettingsStore::standard());
    preferences.setIncludeVerseNumbers(args.numbers.value_or(stored.includeVerseNumbers()));
    preferences.setNumberedStyle(args.style.value_or(stored.numberedStyle()));
    preferences.setNumberedReferencePosition(args.reference.value_or(stored.numberedReferencePosition()));
    preferences.setFormatKind(args.format.value_or(stored.formatKind()));
    preferences.setCustomTemplate(args.templateText.value_or(stored.customTemplate()));
}

int runText(const Arguments& args, BibleDatabase& database)
{
    MemorySettingsStore scratch;
    InsertionPreferences preferences(scratch);
    applyInsertionSettings(args, preferences);
    SearchHistoryStore history(scratch);  // records nothing the user keeps
    BibleSearchService service(&database);
    SearchPanelState state({&service, &database, &history, &preferences, nullptr});

    // Return on the first row of a fresh panel holding the query.
    state.setQuery(args.positional[0]);
    state.updateSearch();
    const std::optional<QString> text = state.activateSelection();
    if (!text) {
        const QString why = state.message().isEmpty() ? QStringLiteral("перший результат — не вірш") : state.message();
        print(stderr, QStringLiteral("lampstride-cli: немає що вставити: ") + why);
        return state.message() == SearchMessages::databaseError ? exitDatabase : exitNothingToInsert;
    }
    // Exactly the text; a terminal also gets a line feed after it.
    const QByteArray bytes = text->toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    if (isatty(fileno(stdout)))
        std::fputc('\n', stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);  // for the program's own folder, where bible.db lies

    QString problem;
    const std::optional<Arguments> args = readArguments(argc, argv, problem);
    if (!args)
        return usage(problem);
    struct Command {
        const char* name;
        qsizetype arguments;
        bool needsDatabase;
    };
    const Command commands[] = {{"parse", 1, false}, {"search", 1, true}, {"highlight", 2, false}, {"text", 1, true}};
    const Command* command = nullptr;
    for (const Command& c : commands)
        if (args->command == QLatin1String(c.name))
            command = &c;
    if (args->command.isEmpty() || args->command == QLatin1String("help"))
        return usage({});
    if (!command)
        return usage(QStringLiteral("невідома команда ") + args->command);
    if (args->positional.size() != command->arguments)
        return usage(QStringLiteral("команда %1 очікує аргументів: %2")
                         .arg(args->command)
                         .arg(command->arguments));
    if (args->otherForms && args->command != QLatin1String("highlight"))
        return usage(QStringLiteral("--other-forms має сенс лише для highlight"));
    if (args->hasInsertionOptions() && args->command != QLatin1String("text"))
        return usage(QStringLiteral("параметри вставлення мають сенс лише для text"));
    if (args->json && args->command == QLatin1String("text"))
        return usage(QStringLiteral("text друкує сам текст, без --json"));

    if (!command->needsDatabase)
        return args->command == QLatin1String("parse") ? runParse(*args) : runHighlight(*args);

    Result<std::unique_ptr<BibleDatabase>> database = BibleDatabase::open(args->dbPath);
    if (!database) {
        print(stderr, QStringLiteral("lampstride-cli: не вдалося відкрити базу віршів%1: %2")
                          .arg(args->dbPath ? QStringLiteral(" ") + *args->dbPath : QString())
                          .arg(database.error().message));
        return exitDatabase;
    }
    BibleDatabase& opened = *database.value();
    return args->command == QLatin1String("text") ? runText(*args, opened) : runSearch(*args, opened);
}
