#include "BibleSearchService.h"

#include "TextNormalization.h"

#include <QHash>
#include <QSet>

namespace {

SearchOutcome message(const QString& text)
{
    return {SearchOutcome::Message{text}};
}

// A verse is identified by its book code, chapter and verse number.
struct VerseKey {
    QString bookCode;
    qint64 chapter;
    qint64 verse;
    bool operator==(const VerseKey&) const = default;
};

size_t qHash(const VerseKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.bookCode, key.chapter, key.verse);
}

VerseKey verseKey(const VerseRecord& verse)
{
    return VerseKey{verse.bookCode, verse.chapter, verse.verse};
}

// One of the verse lists a word search reads.
struct ListRequest {
    bool asPhrase;
    bool withEndings;
    bool otherForms;  // belongs to the other-forms group
};

}  // namespace

BibleSearchService::BibleSearchService(BibleDatabase* database) : m_database(database) {}

BibleSearchService& BibleSearchService::shared()
{
    static BibleSearchService service(BibleDatabase::shared());
    return service;
}

SearchOutcome BibleSearchService::search(QStringView query) const
{
    const ParsedQuery parsed = BibleReferenceParser::parse(query);
    if (const auto* reference = parsed.as<ParsedQuery::Reference>())
        return resolveReference(reference->reference);
    if (const auto* prefix = parsed.as<ParsedQuery::BookPrefix>())
        return bookSuggestionsWithMatchingVerses(prefix->input, prefix->suggestions);
    if (const auto* words = parsed.as<ParsedQuery::FullTextSearch>())
        return searchFullText(words->text, true);
    if (const auto* exact = parsed.as<ParsedQuery::ExactTextSearch>())
        return searchFullText(exact->text, false);
    if (parsed.is<ParsedQuery::UnknownBook>())
        return message(SearchMessages::unknownBook);
    return {SearchOutcome::Idle{}};
}

SearchOutcome BibleSearchService::resolveReference(const BibleReference& r) const
{
    // 1. A chapter outside the book is not looked up.
    if (r.chapter < 1 || r.chapter > r.book.chapterCount)
        return message(SearchMessages::verseNotFound);
    if (!m_database)
        return message(SearchMessages::databaseError);
    // 2.–3. The whole chapter, or the typed range (a lone verse is a range of one).
    const Result<Verses> read = !r.verseStart
        ? m_database->chapter(r.book.code, r.chapter)
        : m_database->verses(r.book.code, r.chapter, *r.verseStart, r.verseEnd.value_or(*r.verseStart));
    // 4.
    if (!read)
        return message(SearchMessages::databaseError);
    const Verses& verses = read.value();
    if (verses.isEmpty())
        return message(SearchMessages::verseNotFound);
    // 5. Chapter and colon: one item per verse, to pick from.
    if (r.colonWithoutVerse) {
        SearchResultItems items;
        items.reserve(verses.size());
        for (const VerseRecord& verse : verses)
            items.append(SearchResultItem{r.book, r.chapter, {verse}, false, false});
        return {SearchOutcome::Results{items}};
    }
    // 6. One item with every verse read.
    return {SearchOutcome::Results{{SearchResultItem{r.book, r.chapter, verses, !r.verseStart, false}}}};
}

SearchOutcome BibleSearchService::bookSuggestionsWithMatchingVerses(const QString& input,
                                                                    const QList<BibleBook>& suggestions) const
{
    // 1. A word-like input also finds verses.
    if (isWordLike(input)) {
        const SearchOutcome words = searchFullText(input, true);
        if (const auto* found = words.as<SearchOutcome::Results>())
            return {SearchOutcome::BooksAndResults{suggestions, found->items}};
    }
    // 2. Otherwise only the books; a failed word search is not reported.
    return {SearchOutcome::BookSuggestions{suggestions}};
}

QStringList BibleSearchService::searchTerms(QStringView text)
{
    return TextNormalization::words(text);
}

bool BibleSearchService::isWordLike(QStringView text)
{
    qsizetype letters = 0;
    for (const QString& character : TextNormalization::characters(text)) {
        if (TextNormalization::isNumeric(character))
            return false;
        if (TextNormalization::isLetter(character))
            ++letters;
    }
    return letters >= 3;
}

SearchOutcome BibleSearchService::searchFullText(const QString& text, bool withEndings) const
{
    // 1. Terms.
    const QStringList terms = searchTerms(text);
    if (terms.isEmpty())
        return {SearchOutcome::Idle{}};
    if (!m_database)
        return message(SearchMessages::databaseError);

    // 2. The lists to read: exact group first, then other forms.
    std::vector<ListRequest> requests;
    if (withEndings) {
        requests = {{true, false, false}, {false, false, false}, {true, true, true}, {false, true, true}};
    } else {
        requests = {{terms.size() > 1, false, false}};
    }
    struct ReadList {
        Verses verses;
        bool otherForms;
    };
    std::vector<ReadList> lists;
    QSet<QString> expressionsRead;
    for (const ListRequest& request : requests) {
        // A list whose match expression was already read holds only verses seen
        // before; reading it again cannot change the result.
        if (!request.asPhrase || terms.size() >= 2) {
            const QString expression = request.asPhrase
                ? BibleDatabase::phraseMatchQuery(terms, request.withEndings)
                : BibleDatabase::allTermsMatchQuery(terms, request.withEndings);
            if (expressionsRead.contains(expression))
                continue;
            expressionsRead.insert(expression);
        }
        const Result<Verses> read = request.asPhrase
            ? m_database->fullTextSearchPhrase(terms, request.withEndings, -1)
            : m_database->fullTextSearchAllTerms(terms, request.withEndings, -1);
        if (!read)
            return message(SearchMessages::databaseError);
        lists.push_back(ReadList{std::move(read).value(), request.otherForms});
    }

    // 3.–5. Each verse once, at its first appearance; unknown books dropped.
    qsizetype total = 0;
    for (const ReadList& list : lists)
        total += list.verses.size();
    QSet<VerseKey> seen;
    seen.reserve(total);
    SearchResultItems items;
    items.reserve(total);
    for (const ReadList& list : lists) {
        for (const VerseRecord& verse : list.verses) {
            if (seen.contains(verseKey(verse)))
                continue;
            seen.insert(verseKey(verse));
            const BibleBook* book = BibleBook::withCode(verse.bookCode);
            if (!book)
                continue;
            items.append(SearchResultItem{*book, verse.chapter, {verse}, false, list.otherForms});
        }
    }
    if (items.isEmpty())
        return message(SearchMessages::nothingFound);
    return {SearchOutcome::Results{items}};
}

std::optional<qint64> BibleSearchService::wordMatchCount(QStringView query) const
{
    // 1. Only word queries are counted.
    const ParsedQuery parsed = BibleReferenceParser::parse(query);
    QString text;
    bool withEndings = true;
    if (const auto* prefix = parsed.as<ParsedQuery::BookPrefix>()) {
        if (!isWordLike(prefix->input))
            return std::nullopt;
        text = prefix->input;
    } else if (const auto* words = parsed.as<ParsedQuery::FullTextSearch>()) {
        text = words->text;
    } else if (const auto* exact = parsed.as<ParsedQuery::ExactTextSearch>()) {
        text = exact->text;
        withEndings = false;
    } else {
        return std::nullopt;
    }
    // 2.
    const QStringList terms = searchTerms(text);
    if (terms.isEmpty() || !m_database)
        return std::nullopt;
    // 3. With endings: the all-terms prefix count; exact: the expression the search uses.
    const bool asPhrase = !withEndings && terms.size() >= 2;
    const Result<qint64> count = m_database->fullTextCount(terms, withEndings, asPhrase);
    // 4.
    if (!count || count.value() == 0)
        return std::nullopt;
    return count.value();
}
