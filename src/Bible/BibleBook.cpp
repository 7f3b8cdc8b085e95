#include "BibleBook.h"

#include "TextNormalization.h"

#include <QHash>

#include <algorithm>

namespace {

// Rule A: every prefix of at least two characters of each base form.
// Rule B (names that begin with 1, 2 or 3): the spaced full name, and every
// prefix of at least three characters of the base form written without the space.
enum class AliasRule { A, B };

struct BookSource {
    const char* code;
    const char* name;
    qint64 chapters;
    AliasRule rule;
    std::initializer_list<const char*> baseForms;
    std::initializer_list<const char*> extraForms;
};

// clang-format off
const BookSource catalogSource[] = {
    {"GEN", "Буття", 50, AliasRule::A, {"буття"}, {}},
    {"EXO", "Вихід", 40, AliasRule::A, {"вихід"}, {}},
    {"LEV", "Левіти", 27, AliasRule::A, {"левіти"}, {}},
    {"NUM", "Числа", 36, AliasRule::A, {"числа"}, {}},
    {"DEU", "Второзаконня", 34, AliasRule::A, {"второзаконня"}, {}},
    {"JOS", "Книга Ісуса Навина", 24, AliasRule::A, {"навина", "ісуса навина"}, {}},
    {"JDG", "Книга Суддів", 21, AliasRule::A, {"суддів"}, {}},
    {"RUT", "Рут", 4, AliasRule::A, {"рут"}, {}},
    {"1SA", "1 Самуїла", 31, AliasRule::B, {"1самуїла"}, {}},
    {"2SA", "2 Самуїла", 24, AliasRule::B, {"2самуїла"}, {}},
    {"1KI", "1 Царів", 22, AliasRule::B, {"1царів"}, {}},
    {"2KI", "2 Царів", 25, AliasRule::B, {"2царів"}, {}},
    {"1CH", "1 Хронік", 29, AliasRule::B, {"1хронік"}, {}},
    {"2CH", "2 Хронік", 36, AliasRule::B, {"2хронік"}, {}},
    {"EZR", "Ездри", 10, AliasRule::A, {"ездри"}, {}},
    {"NEH", "Неємії", 13, AliasRule::A, {"неємії"}, {}},
    {"EST", "Естер", 10, AliasRule::A, {"естер"}, {}},
    {"JOB", "Йова", 42, AliasRule::A, {"йова"}, {}},
    {"PSA", "Псалми", 150, AliasRule::A, {"псалми"}, {}},
    {"PRO", "Притчі", 31, AliasRule::A, {"притчі"}, {}},
    {"ECC", "Еклезіаста", 12, AliasRule::A, {"еклезіаста"}, {}},
    {"SNG", "Пісня Пісень", 8, AliasRule::A, {"пісень", "пісня пісень"}, {}},
    {"ISA", "Ісаї", 66, AliasRule::A, {"ісаї"}, {}},
    {"JER", "Єремії", 52, AliasRule::A, {"єремії"}, {}},
    {"LAM", "Плач Єремії", 5, AliasRule::A, {"плач єремії", "єремії"}, {}},
    {"EZK", "Єзекіїля", 48, AliasRule::A, {"єзекіїля"}, {}},
    {"DAN", "Даниїла", 12, AliasRule::A, {"даниїла"}, {}},
    {"HOS", "Осії", 14, AliasRule::A, {"осії"}, {}},
    {"JOL", "Йоіла", 3, AliasRule::A, {"йоіла"}, {}},
    {"AMO", "Амоса", 9, AliasRule::A, {"амоса"}, {}},
    {"OBA", "Авдія", 1, AliasRule::A, {"авдія"}, {}},
    {"JON", "Йони", 4, AliasRule::A, {"йони"}, {}},
    {"MIC", "Міхея", 7, AliasRule::A, {"міхея"}, {}},
    {"NAM", "Наума", 3, AliasRule::A, {"наума"}, {}},
    {"HAB", "Аввакума", 3, AliasRule::A, {"аввакума"}, {}},
    {"ZEP", "Софонії", 3, AliasRule::A, {"софонії"}, {}},
    {"HAG", "Аггея", 2, AliasRule::A, {"аггея"}, {}},
    {"ZEC", "Захарії", 14, AliasRule::A, {"захарії"}, {}},
    {"MAL", "Малахії", 3, AliasRule::A, {"малахії"}, {}},
    {"MAT", "Матвія", 28, AliasRule::A, {"матвія"}, {}},
    {"MRK", "Марка", 16, AliasRule::A, {"марка"}, {}},
    {"LUK", "Луки", 24, AliasRule::A, {"луки"}, {}},
    {"JHN", "Івана", 21, AliasRule::A, {"івана"}, {}},
    {"ACT", "Дії", 28, AliasRule::A, {"дії"}, {}},
    {"ROM", "Римлян", 16, AliasRule::A, {"римлян"}, {"римлянам"}},
    {"1CO", "1 Коринтян", 16, AliasRule::B, {"1коринтян"}, {}},
    {"2CO", "2 Коринтян", 13, AliasRule::B, {"2коринтян"}, {}},
    {"GAL", "Галатів", 6, AliasRule::A, {"галатів"}, {"галатам"}},
    {"EPH", "Ефесян", 6, AliasRule::A, {"ефесян"}, {"ефесянам"}},
    {"PHP", "Филип’ян", 4, AliasRule::A, {"филипян"}, {"филипянам", "флп"}},
    {"COL", "Колосян", 4, AliasRule::A, {"колосян"}, {"колосянам"}},
    {"1TH", "1 Солунян", 5, AliasRule::B, {"1солунян"}, {"1солунянам"}},
    {"2TH", "2 Солунян", 3, AliasRule::B, {"2солунян"}, {"2солунянам"}},
    {"1TI", "1 Тимофія", 6, AliasRule::B, {"1тимофія"}, {}},
    {"2TI", "2 Тимофія", 4, AliasRule::B, {"2тимофія"}, {}},
    {"TIT", "Тита", 3, AliasRule::A, {"тита"}, {}},
    {"PHM", "Филимона", 1, AliasRule::A, {"филимона"}, {}},
    {"HEB", "Євреїв", 13, AliasRule::A, {"євреїв"}, {}},
    {"JAS", "Якова", 5, AliasRule::A, {"якова"}, {}},
    {"1PE", "1 Петра", 5, AliasRule::B, {"1петра"}, {"1петрам"}},
    {"2PE", "2 Петра", 3, AliasRule::B, {"2петра"}, {"2петрам"}},
    {"1JN", "1 Івана", 5, AliasRule::B, {"1івана"}, {}},
    {"2JN", "2 Івана", 1, AliasRule::B, {"2івана"}, {}},
    {"3JN", "3 Івана", 1, AliasRule::B, {"3івана"}, {}},
    {"JUD", "Юди", 1, AliasRule::A, {"юди"}, {}},
    {"REV", "Об’явлення", 22, AliasRule::A, {"обявлення"}, {}},
};
// clang-format on

// Prefixes of a base form counted in characters, from `minimum` up to the whole form.
void appendPrefixes(QStringList& aliases, const QString& baseForm, qsizetype minimum)
{
    const QStringList chars = TextNormalization::characters(baseForm);
    QString prefix;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        prefix += chars[i];
        if (i + 1 >= minimum)
            aliases.append(prefix);
    }
}

QStringList aliasesOf(const BookSource& source)
{
    QStringList aliases;
    for (const char* form : source.baseForms) {
        const QString baseForm = QString::fromUtf8(form);
        if (source.rule == AliasRule::A) {
            appendPrefixes(aliases, baseForm, 2);
        } else {
            aliases.append(TextNormalization::stripApostrophes(
                TextNormalization::lowercased(QString::fromUtf8(source.name))));
            appendPrefixes(aliases, baseForm, 3);
        }
    }
    for (const char* form : source.extraForms)
        aliases.append(QString::fromUtf8(form));
    // Code point order. Every alias lies in the Basic Multilingual Plane, where
    // UTF-16 order and code point order agree.
    std::sort(aliases.begin(), aliases.end());
    aliases.erase(std::unique(aliases.begin(), aliases.end()), aliases.end());
    return aliases;
}

QList<BibleBook> buildCatalog()
{
    QList<BibleBook> books;
    qint64 number = 1;
    for (const BookSource& source : catalogSource) {
        BibleBook book;
        book.number = number;
        book.code = QString::fromLatin1(source.code);
        book.name = QString::fromUtf8(source.name);
        book.testament = number <= 39 ? BibleBook::Testament::Old : BibleBook::Testament::New;
        book.chapterCount = source.chapters;
        book.aliases = aliasesOf(source);
        books.append(book);
        ++number;
    }
    return books;
}

}  // namespace

const QList<BibleBook>& BibleBook::all()
{
    static const QList<BibleBook> catalog = buildCatalog();
    return catalog;
}

const BibleBook* BibleBook::withCode(const QString& code)
{
    // Codes are unique; read per verse row, so looked up in a table.
    static const QHash<QString, const BibleBook*> byCode = [] {
        QHash<QString, const BibleBook*> map;
        for (const BibleBook& book : all())
            map.insert(book.code, &book);
        return map;
    }();
    return byCode.value(code, nullptr);
}

QString testamentText(BibleBook::Testament testament)
{
    return testament == BibleBook::Testament::Old ? QStringLiteral("Старий Заповіт")
                                                  : QStringLiteral("Новий Заповіт");
}

std::optional<BibleBook::Testament> testamentFromText(const QString& text)
{
    for (auto t : {BibleBook::Testament::Old, BibleBook::Testament::New})
        if (testamentText(t) == text)
            return t;
    return std::nullopt;
}

size_t qHash(const BibleBook& book, size_t seed)
{
    QtPrivate::QHashCombine combine;
    seed = combine(seed, book.number);
    seed = combine(seed, book.code);
    seed = combine(seed, book.name);
    seed = combine(seed, testamentText(book.testament));
    seed = combine(seed, book.chapterCount);
    seed = combine(seed, book.aliases.size());
    for (const QString& alias : book.aliases)
        seed = combine(seed, alias);
    return seed;
}
