#include "BibleReferenceParser.h"

#include "BibleBookLookup.h"
#include "TextNormalization.h"

namespace BibleReferenceParser {
namespace {

constexpr char16_t quoteCharacters[] = {u'"', u'«', u'»', u'„', u'“', u'”', u'\''};
constexpr QStringView bookSeparators = u" .,:";

const IcuRegex& tailRegex()
{
    static const IcuRegex regex = IcuRegex::fixed(QStringLiteral(
        "^(\\d{1,3})\\s*(?:([:.,])\\s*)?(\\d{1,3})?(?:\\s*[-–—]\\s*(\\d{1,3}))?[:.,\\s]*$"));
    return regex;
}

const IcuRegex& looksLikeReferenceTailRegex()
{
    static const IcuRegex regex = IcuRegex::fixed(QStringLiteral("\\d{1,3}\\s*$"));
    return regex;
}

bool containsNumeric(QStringView text)
{
    for (const QString& character : TextNormalization::characters(text))
        if (TextNormalization::isNumeric(character))
            return true;
    return false;
}

// Removes quote characters and white space from both ends, as often as they occur.
QString unquoted(QStringView text)
{
    const QStringList chars = TextNormalization::characters(text);
    auto removable = [](const QString& c) {
        return isQuoteCharacter(c) || TextNormalization::isWhitespace(c);
    };
    qsizetype first = 0;
    qsizetype last = chars.size();
    while (first < last && removable(chars[first]))
        ++first;
    while (last > first && removable(chars[last - 1]))
        --last;
    return chars.mid(first, last - first).join(QString());
}

// Removes every leading character that is a space, ".", "," or ":".
QStringView withoutLeadingSeparators(QStringView text)
{
    qsizetype skipped = 0;
    for (const QString& character : TextNormalization::characters(text)) {
        if (character.size() != 1 || !bookSeparators.contains(character[0]))
            break;
        ++skipped;
    }
    return text.mid(skipped);
}

}  // namespace

bool isQuoteCharacter(QStringView character)
{
    const QString normal = TextNormalization::nfc(character);
    if (normal.size() != 1)
        return false;
    for (char16_t q : quoteCharacters)
        if (normal[0].unicode() == q)
            return true;
    return false;
}

ParsedQuery parse(QStringView query)
{
    // 1. Trim; nothing left means nothing to search.
    const QString trimmed = TextNormalization::trimmed(query);
    if (trimmed.isEmpty())
        return {ParsedQuery::Empty{}};

    // 2. A leading quotation mark makes an exact search.
    const qsizetype firstEnd = TextNormalization::offsetOfCharacter(trimmed, 1);
    if (isQuoteCharacter(QStringView(trimmed).left(firstEnd))) {
        const QString inner = unquoted(trimmed);
        if (inner.isEmpty())
            return {ParsedQuery::Empty{}};
        return {ParsedQuery::ExactTextSearch{inner}};
    }

    // 3. Normalize for book matching.
    const QString normalized = BibleBookLookup::normalize(trimmed);

    // 4. Look for a book at the start.
    const std::optional<BibleBookLookup::BookMatch> match = BibleBookLookup::longestPrefixMatch(normalized);

    // 5. A book matched.
    if (match) {
        // 5.1 The rest after the alias and any separators.
        QStringView rest = QStringView(normalized).mid(
            TextNormalization::offsetOfCharacter(normalized, match->matchedLength));
        rest = withoutLeadingSeparators(rest);
        // 5.2 Only a book name.
        if (rest.isEmpty()) {
            QList<BibleBook> suggestions = BibleBookLookup::suggestions(normalized);
            if (suggestions.isEmpty())
                suggestions = {match->book};
            return {ParsedQuery::BookPrefix{trimmed, suggestions}};
        }
        // 5.3 Chapter and verses.
        if (std::optional<BibleReference> reference = parseChapterVerse(rest, match->book))
            return {ParsedQuery::Reference{*reference}};
        // 5.4 Digits that do not read as a reference, or plain words.
        if (containsNumeric(rest))
            return {ParsedQuery::UnknownBook{}};
        return {ParsedQuery::FullTextSearch{trimmed}};
    }

    // 6. No book matched.
    QList<BibleBook> suggestions = BibleBookLookup::suggestions(normalized);
    if (!suggestions.isEmpty())
        return {ParsedQuery::BookPrefix{trimmed, suggestions}};
    if (matches(looksLikeReferenceTailRegex(), normalized))
        return {ParsedQuery::UnknownBook{}};
    return {ParsedQuery::FullTextSearch{trimmed}};
}

std::optional<BibleReference> parseChapterVerse(QStringView rest, const BibleBook& book)
{
    // 1. The whole rest must match.
    const std::optional<IcuRegex::Groups> match = tailRegex().firstMatch(rest);
    if (!match)
        return std::nullopt;
    // 2. Chapter.
    const std::optional<qint64> chapter = number(*match, 1, rest);
    if (!chapter)
        return std::nullopt;
    // 3. Separator, first and last verse.
    const std::optional<QString> separator = string(*match, 2, rest);
    const std::optional<qint64> verseStart = number(*match, 3, rest);
    const std::optional<qint64> verseEnd = number(*match, 4, rest);
    // 4. A colon with no verse after it.
    const bool colonWithoutVerse = !verseStart && separator == QStringLiteral(":");
    // 5.
    return BibleReference{book, *chapter, verseStart, verseEnd, colonWithoutVerse};
}

std::optional<QString> string(const IcuRegex::Groups& match, size_t group, QStringView text)
{
    if (group >= match.size() || !match[group])
        return std::nullopt;
    const IcuRegex::Range range = *match[group];
    if (range.start < 0 || range.end > text.size() || range.end < range.start)
        return std::nullopt;
    return text.mid(range.start, range.end - range.start).toString();
}

std::optional<qint64> number(const IcuRegex::Groups& match, size_t group, QStringView text)
{
    const std::optional<QString> digits = string(match, group, text);
    // Longer runs cannot come from the patterns here; refusing them keeps the sum exact.
    if (!digits || digits->isEmpty() || digits->size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : *digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

bool matches(const IcuRegex& regex, QStringView text)
{
    return regex.matchesAnywhere(text);
}

}  // namespace BibleReferenceParser
