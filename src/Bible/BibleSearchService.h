#pragma once

#include "BibleDatabase.h"
#include "BibleReferenceParser.h"
#include "SearchResultItem.h"

#include <optional>

// Turns the text of the query field into what the panel shows.
class BibleSearchService {
public:
    // `database` may be null: every read then fails as a database error.
    explicit BibleSearchService(BibleDatabase* database);

    // Over BibleDatabase::shared().
    static BibleSearchService& shared();

    SearchOutcome search(QStringView query) const;
    // Verses a word query matches; nothing for other queries, no words, no match or a failed count.
    std::optional<qint64> wordMatchCount(QStringView query) const;

    BibleDatabase* database() const { return m_database; }

    // Lower-cased, apostrophe-free runs of letters and digits.
    static QStringList searchTerms(QStringView text);
    // At least three letters and no numeric character.
    static bool isWordLike(QStringView text);

private:
    SearchOutcome resolveReference(const BibleReference& reference) const;
    SearchOutcome searchFullText(const QString& text, bool withEndings) const;
    SearchOutcome bookSuggestionsWithMatchingVerses(const QString& input,
                                                    const QList<BibleBook>& suggestions) const;

    BibleDatabase* m_database;
};
