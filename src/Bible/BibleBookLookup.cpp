#include "BibleBookLookup.h"

#include "IcuRegex.h"
#include "TextNormalization.h"

#include <algorithm>

namespace BibleBookLookup {
namespace {

using TextNormalization::Characters;

struct Alias {
    qsizetype bookIndex;
    Characters characters;
    Characters tailCharacters;  // without leading numeric characters
    bool beginsWithDigit;
};

// Every alias of the catalog, split into comparable characters once.
const std::vector<Alias>& aliasTable()
{
    static const std::vector<Alias> table = [] {
        std::vector<Alias> aliases;
        const QList<BibleBook>& books = BibleBook::all();
        for (qsizetype b = 0; b < books.size(); ++b) {
            for (const QString& alias : books[b].aliases) {
                const QStringView tail = tailAfterLeadingDigits(alias);
                aliases.push_back(Alias{b, TextNormalization::comparableCharacters(alias),
                                        TextNormalization::comparableCharacters(tail),
                                        tail.size() < alias.size()});
            }
        }
        return aliases;
    }();
    return table;
}

bool beginsWith(const Characters& text, const Characters& prefix)
{
    return prefix.size() <= text.size() && std::equal(prefix.begin(), prefix.end(), text.begin());
}

}  // namespace

QString normalize(QStringView text)
{
    static const IcuRegex leadingNumber = IcuRegex::fixed(QStringLiteral("^(\\d+)\\s+"));

    // 1. Trim white space and newlines.
    QString result = TextNormalization::trimmed(text);
    // 2. Lower-case.
    result = TextNormalization::lowercased(result);
    // 3. Remove apostrophes.
    result = TextNormalization::stripApostrophes(result);
    // 4. Drop one trailing full stop.
    if (result.endsWith(u'.'))
        result.chop(1);
    // 5. Collapse runs of spaces (U+0020 only) to one.
    while (result.contains(QLatin1String("  ")))
        result.replace(QLatin1String("  "), QLatin1String(" "));
    // 6. Join a leading number to the word after it.
    return leadingNumber.replaceFirst(result, QStringLiteral("$1"));
}

std::optional<BookMatch> longestPrefixMatch(QStringView normalized)
{
    const Characters input = TextNormalization::comparableCharacters(normalized);
    const QList<BibleBook>& books = BibleBook::all();

    // 1. No best match yet.
    const Alias* best = nullptr;
    // 2. Aliases in catalog order, each book's in stored order.
    for (const Alias& alias : aliasTable()) {
        // 2.1 The input must begin with the alias.
        if (!beginsWith(input, alias.characters))
            continue;
        // 2.2 The alias must end at a word boundary.
        const size_t length = alias.characters.size();
        if (length < input.size()) {
            const QString& following = input[length];
            if (TextNormalization::isLetter(following) || TextNormalization::isNumeric(following))
                continue;
        }
        // 2.3 Only a strictly longer alias replaces the best match.
        if (!best || length > best->characters.size())
            best = &alias;
    }
    // 3.
    if (!best)
        return std::nullopt;
    return BookMatch{books[best->bookIndex], static_cast<qsizetype>(best->characters.size())};
}

QList<BibleBook> suggestions(QStringView normalized)
{
    // 1.
    if (normalized.isEmpty())
        return {};
    const Characters input = TextNormalization::comparableCharacters(normalized);
    const QList<BibleBook>& books = BibleBook::all();

    // 2. The score of a book is its shortest qualifying alias, or 0 for an exact one.
    std::vector<std::optional<qsizetype>> scores(static_cast<size_t>(books.size()));
    std::vector<bool> exact(static_cast<size_t>(books.size()), false);
    for (const Alias& alias : aliasTable()) {
        const auto b = static_cast<size_t>(alias.bookIndex);
        const auto length = static_cast<qsizetype>(alias.characters.size());
        // 2.1 Short aliases never suggest; 2.2 an exact alias ends the book's scan.
        if (exact[b] || length <= 2)
            continue;
        std::optional<qsizetype>& score = scores[b];
        auto lower = [&](qsizetype candidate) {
            if (!score || candidate < *score)
                score = candidate;
        };
        if (alias.characters == input) {
            score = 0;
            exact[b] = true;
        } else if (beginsWith(alias.characters, input)) {  // 2.3
            lower(length);
        } else if (alias.beginsWithDigit && beginsWith(alias.tailCharacters, input)) {  // 2.4
            lower(length);
        }
    }
    // 2.5 Books with a score are candidates.
    struct Candidate {
        qsizetype bookIndex;
        qsizetype score;
    };
    std::vector<Candidate> candidates;
    for (size_t b = 0; b < scores.size(); ++b)
        if (scores[b])
            candidates.push_back(Candidate{static_cast<qsizetype>(b), *scores[b]});
    // 3. Ascending score; equal scores keep catalog order.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
    // 4.
    QList<BibleBook> result;
    for (const Candidate& c : candidates)
        result.append(books[c.bookIndex]);
    return result;
}

QStringView tailAfterLeadingDigits(QStringView text)
{
    const qsizetype count = [&] {
        qsizetype n = 0;
        for (const QString& character : TextNormalization::characters(text)) {
            if (!TextNormalization::isNumeric(character))
                break;
            ++n;
        }
        return n;
    }();
    return text.mid(TextNormalization::offsetOfCharacter(text, count));
}

}  // namespace BibleBookLookup
