#include "BibleReferenceParser.h"

#include <gtest/gtest.h>

namespace {

const BibleBook& book(const char* code)
{
    const BibleBook* found = BibleBook::withCode(QString::fromLatin1(code));
    if (!found)
        throw std::runtime_error(code);
    return *found;
}

ParsedQuery reference(const char* code, qint64 chapter, std::optional<qint64> start = {},
                      std::optional<qint64> end = {}, bool colon = false)
{
    return {ParsedQuery::Reference{BibleReference{book(code), chapter, start, end, colon}}};
}

ParsedQuery prefix(const QString& input, std::initializer_list<const char*> codes)
{
    QList<BibleBook> books;
    for (const char* code : codes)
        books.append(book(code));
    return {ParsedQuery::BookPrefix{input, books}};
}

ParsedQuery words(const QString& text) { return {ParsedQuery::FullTextSearch{text}}; }
ParsedQuery exact(const QString& text) { return {ParsedQuery::ExactTextSearch{text}}; }
const ParsedQuery unknown{ParsedQuery::UnknownBook{}};
const ParsedQuery empty{ParsedQuery::Empty{}};

}  // namespace

TEST(BibleReferenceParser, OutcomeTable)
{
    const std::pair<QString, ParsedQuery> cases[] = {
        {"", empty},
        {"   ", empty},
        {"ів 3:16", reference("JHN", 3, 16)},
        {"Ів 3:16", reference("JHN", 3, 16)},
        {"1 кор 13:4-7", reference("1CO", 13, 4, 7)},
        {"1 Кор 13:4–7", reference("1CO", 13, 4, 7)},
        {"пс 23", reference("PSA", 23)},
        {"пс 23:", reference("PSA", 23, {}, {}, true)},
        {"пс 23.", reference("PSA", 23)},
        {"ів 3 16", reference("JHN", 3, 16)},
        {"ів 3 : 16", reference("JHN", 3, 16)},
        {"ів 3-4", reference("JHN", 3, {}, 4)},
        {"ів 3:16—18", reference("JHN", 3, 16, 18)},
        {"ів 3:16,", reference("JHN", 3, 16)},
        {"ів 0", reference("JHN", 0)},
        {"ів 3:16-", unknown},
        {"ів 3:16:5", unknown},
        {"ів 3:16 любов", unknown},
        {"ів", prefix("ів", {"JHN", "1JN", "2JN", "3JN"})},
        {"ів:", prefix("ів:", {"JHN"})},
        {"мат", prefix("мат", {"MAT"})},
        {"1", prefix("1", {"1SA", "1KI", "1CH", "1CO", "1TH", "1TI", "1PE", "1JN"})},
        {"ко", prefix("ко", {"1CO", "2CO", "COL"})},
        {"ісус", prefix("ісус", {"JOS"})},
        {"любов", words("любов")},
        {"ів любов", words("ів любов")},
        {"рука", words("рука")},
        {"ів3:16", unknown},
        {"12", unknown},
        {"псалом 23", unknown},
        {"«любов»", exact("любов")},
        {"„віра“", exact("віра")},
        {"\"\"", empty},
        {"3 ів", prefix("3 ів", {"3JN"})},
        {"флп 4:13", reference("PHP", 4, 13)},
        {"єремії 3:22", reference("JER", 3, 22)},
    };
    for (const auto& [query, expected] : cases)
        EXPECT_EQ(BibleReferenceParser::parse(query), expected) << qPrintable(query);
}

TEST(BibleReferenceParser, EdgeCases)
{
    const std::pair<QString, ParsedQuery> cases[] = {
        // Four digits: a three-digit chapter and a one-digit verse.
        {"ів 1234", reference("JHN", 123, 4)},
        // Other decimal digits match the pattern but do not convert.
        {QString::fromUtf16(u"ів \u0663"), unknown},
        // A verse in such digits counts as absent, so the colon stands alone.
        {QString::fromUtf16(u"ів 3:\u0661\u0666"), reference("JHN", 3, {}, {}, true)},
        // A leading quotation mark is never a reference; a closing one alone is not exact.
        {"«ів 3:16»", exact("ів 3:16")},
        {"любов»", words("любов»")},
        {"'любов", exact("любов")},
        {"« «любов» »", exact("любов")},
        {"«бог «є» любов»", exact("бог «є» любов")},
        // Book prefixes and word searches keep the query as typed.
        {"  Об’явлення ", prefix("Об’явлення", {"REV"})},
        {"Ів Любов", words("Ів Любов")},
        // White space of any kind where the pattern has \s.
        {"ів 3\t:\u00A016", reference("JHN", 3, 16)},
        {"плач єремії 3", reference("LAM", 3)},
        {"єремії", prefix("єремії", {"JER", "LAM"})},
        {"ів.", prefix("ів.", {"JHN", "1JN", "2JN", "3JN"})},
        {"ів 3:16 – 18", reference("JHN", 3, 16, 18)},
    };
    for (const auto& [query, expected] : cases)
        EXPECT_EQ(BibleReferenceParser::parse(query), expected) << qPrintable(query);
}
