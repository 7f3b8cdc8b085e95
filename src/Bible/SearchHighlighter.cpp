#include "SearchHighlighter.h"

#include "TextNormalization.h"

#include <QHash>

#include <memory>

namespace SearchHighlighter {
namespace {

// Compiling a pattern that holds \p{L} costs a few hundred microseconds, and the
// view highlights every row it draws with the same few words: each thread keeps
// the patterns it compiled lately. Only the word itself carries the
// case-insensitive flag: the word-character class is closed under case already,
// and making ICU close it over case again would cost milliseconds.
std::shared_ptr<const IcuRegex> compiled(const QString& pattern)
{
    thread_local QHash<QString, std::shared_ptr<const IcuRegex>> cache;
    if (auto found = cache.constFind(pattern); found != cache.cend())
        return *found;
    if (cache.size() >= 64)
        cache.clear();
    std::optional<IcuRegex> regex = IcuRegex::compile(pattern);
    std::shared_ptr<const IcuRegex> entry = regex ? std::make_shared<const IcuRegex>(std::move(*regex)) : nullptr;
    cache.insert(pattern, entry);
    return entry;
}

}  // namespace

std::vector<Range> ranges(QStringView query, QStringView text, bool includeOtherWordForms)
{
    // 1. Query words, split the same way as search terms.
    const QStringList words = TextNormalization::words(query);
    if (words.isEmpty())
        return {};

    // 2. A word character (letter, number or apostrophe), and one optional apostrophe.
    QString apostrophes;
    for (char16_t a : TextNormalization::apostropheLike)
        apostrophes += IcuRegex::escaped(QStringView(&a, 1));
    const QString wordCharacter = QStringLiteral("[\\p{L}\\p{N}") + apostrophes + u']';
    const QString optionalApostrophe = u'[' + apostrophes + QStringLiteral("]?");

    std::vector<Range> result;
    for (const QString& word : words) {
        // 3.1 Each character literal, an apostrophe allowed between any two.
        QStringList literals;
        for (const QString& character : TextNormalization::characters(word))
            literals.append(IcuRegex::escaped(character));
        const QString joined = literals.join(optionalApostrophe);
        // 3.2 Longer forms of words of three or more characters.
        const QString suffix = includeOtherWordForms && TextNormalization::characterCount(word) > 2
            ? wordCharacter + u'*'
            : QString();
        // 3.3 A whole word: no word character just before or after.
        const QString pattern = QStringLiteral("(?<!") + wordCharacter + QStringLiteral(")(?i:") + joined
            + u')' + suffix + QStringLiteral("(?!") + wordCharacter + u')';
        // 3.4 Case-insensitive; a pattern that does not compile contributes nothing.
        const std::shared_ptr<const IcuRegex> regex = compiled(pattern);
        if (!regex)
            continue;
        // 3.5 Every non-overlapping match.
        for (const Range& range : regex->allMatches(text))
            result.push_back(range);
    }
    // 4.
    return result;
}

}  // namespace SearchHighlighter
