#pragma once

#include "BibleBook.h"

#include <QStringView>

#include <optional>

// Matching typed text against the book catalog's aliases.
namespace BibleBookLookup {

struct BookMatch {
    BibleBook book;
    qsizetype matchedLength = 0;  // in characters
    bool operator==(const BookMatch&) const = default;
};

// The canonical form of a query for book matching.
QString normalize(QStringView text);

// The book whose alias is the longest prefix of the normalized text that ends at a
// word boundary; equal lengths go to the earlier book.
std::optional<BookMatch> longestPrefixMatch(QStringView normalized);

// Books whose aliases begin with the typed text, best first.
QList<BibleBook> suggestions(QStringView normalized);

// The text after its leading run of numeric characters.
QStringView tailAfterLeadingDigits(QStringView text);

}  // namespace BibleBookLookup
