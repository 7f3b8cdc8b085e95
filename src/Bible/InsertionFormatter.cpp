#include "InsertionFormatter.h"

#include "TextNormalization.h"

namespace InsertionFormatter {
namespace {

bool endsWithDangling(const QString& character)
{
    static const QStringList dangling = {",", ":", ";", "–", "—", "-"};
    return dangling.contains(character);
}

// The text without trailing characters that satisfy `drop`.
template <class Predicate>
QString withoutTrailing(const QString& text, Predicate drop)
{
    QStringList characters = TextNormalization::characters(text);
    while (!characters.isEmpty() && drop(characters.last()))
        characters.removeLast();
    return characters.join(QString());
}

QString lastCharacter(const QString& text)
{
    const QStringList characters = TextNormalization::characters(text);
    return characters.isEmpty() ? QString() : characters.last();
}

}  // namespace

QString adjustEnding(const QString& text, bool removePeriod)
{
    const auto isWhite = [](const QString& c) { return TextNormalization::isWhiteSpaceProperty(c); };
    // 1. Trailing white space goes.
    QString result = withoutTrailing(text, isWhite);
    // 2.
    if (result.isEmpty())
        return result;
    const QString last = lastCharacter(result);
    // 3. A full stop goes only when asked, and with the white space before it.
    if (last == QLatin1String(".")) {
        if (removePeriod) {
            result.chop(1);
            result = withoutTrailing(result, isWhite);
        }
        return result;
    }
    // 4. A dangling comma, colon, semicolon or dash becomes an ellipsis of three stops.
    if (endsWithDangling(last)) {
        result = withoutTrailing(result, [&](const QString& c) { return isWhite(c) || endsWithDangling(c); });
        return result + QStringLiteral("...");
    }
    // 5. Anything else stays.
    return result;
}

QString fillTemplate(QString templateText, const QString& text, const QString& reference, const QString& book,
                     const QString& chapter, const QString& verse)
{
    templateText.replace(QLatin1String("{text}"), text);
    templateText.replace(QLatin1String("{reference}"), reference);
    templateText.replace(QLatin1String("{book}"), book);
    templateText.replace(QLatin1String("{chapter}"), chapter);
    templateText.replace(QLatin1String("{verse}"), verse);
    return templateText;
}

QString format(const SearchResultItem& item, const InsertionPreferences& preferences,
               const std::optional<InsertionFormat>& format, std::optional<bool> includeVerseNumbers)
{
    // 1. Numbered text ignores the format.
    if (includeVerseNumbers.value_or(preferences.includeVerseNumbers()))
        return formatNumbered(item, preferences.numberedStyle(), preferences.numberedReferencePosition());
    // 2. The format.
    const InsertionFormat chosen = format.value_or(preferences.currentFormat());
    // 3. One running text.
    QStringList texts;
    for (const VerseRecord& verse : item.verses)
        texts.append(verse.text);
    // 4. Its end tidied, a final full stop removed.
    const QString text = adjustEnding(texts.join(u' '), true);
    // 5.–6. Into the template.
    return fillTemplate(chosen.templateText(), text, item.displayReference(), item.book.name,
                        QString::number(item.chapter), item.verseLabel());
}

QString formatNumbered(const SearchResultItem& item, NumberedStyle style, ReferencePosition position)
{
    // 1. "16. text" per verse; only the last verse's text has its end tidied.
    QStringList lines;
    for (qsizetype i = 0; i < item.verses.size(); ++i) {
        const VerseRecord& verse = item.verses[i];
        const bool last = i == item.verses.size() - 1;
        lines.append(QString::number(verse.verse) + QStringLiteral(". ")
                     + (last ? adjustEnding(verse.text, false) : verse.text));
    }
    // 2. One line feed or one space between them.
    const QString joined = lines.join(style == NumberedStyle::Multiline ? u'\n' : u' ');
    // 3. The reference as its own paragraph.
    const QString reference = item.displayReference();
    return position == ReferencePosition::Before ? reference + QStringLiteral("\n\n") + joined
                                                 : joined + QStringLiteral("\n\n") + reference;
}

}  // namespace InsertionFormatter
