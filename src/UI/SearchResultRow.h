#pragma once

#include "SearchResultItem.h"

#include <variant>

// One row of the panel's list: a verse result, a book suggestion or a recent query.
struct SearchResultRow {
    enum class Kind { Verse, Book, History };

    std::variant<SearchResultItem, BibleBook, QString> value;

    static SearchResultRow verse(const SearchResultItem& item) { return {item}; }
    static SearchResultRow book(const BibleBook& book) { return {book}; }
    static SearchResultRow history(const QString& query) { return {query}; }

    Kind kind() const { return static_cast<Kind>(value.index()); }
    // "v:JHN.3.16-16", "b:JHN", "h:любов".
    QString id() const;
    const SearchResultItem* verseItem() const { return std::get_if<SearchResultItem>(&value); }
    const BibleBook* bookValue() const { return std::get_if<BibleBook>(&value); }
    const QString* historyText() const { return std::get_if<QString>(&value); }

    bool operator==(const SearchResultRow&) const = default;
};

using SearchResultRows = QList<SearchResultRow>;
