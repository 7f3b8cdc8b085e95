#pragma once

#include "BibleBook.h"
#include "BibleDatabase.h"

#include <variant>

// A run of verses of one chapter of one book, as the panel lists it.
struct SearchResultItem {
    BibleBook book;
    qint64 chapter = 0;
    Verses verses;  // ascending by verse number
    bool isWholeChapter = false;
    // Found only through longer forms of the typed words.
    bool matchedOtherWordForms = false;

    bool operator==(const SearchResultItem&) const = default;

    // "16", "16–18", or empty without verses.
    QString verseLabel() const;
    // "Івана 3:16–18"; "Псалми 23" without verses.
    QString displayReference() const;
    // "JHN.3.16-16": code, chapter, first and last verse (0 when missing).
    QString id() const;
    QString previewText() const;
};

using SearchResultItems = QList<SearchResultItem>;

// What the panel shows for a query.
struct SearchOutcome {
    struct Results {
        SearchResultItems items;  // never empty
        bool operator==(const Results&) const = default;
    };
    struct BookSuggestions {
        QList<BibleBook> books;  // never empty
        bool operator==(const BookSuggestions&) const = default;
    };
    struct BooksAndResults {
        QList<BibleBook> books;
        SearchResultItems results;  // never empty
        bool operator==(const BooksAndResults&) const = default;
    };
    struct Message {
        QString text;
        bool operator==(const Message&) const = default;
    };
    struct Idle {
        bool operator==(const Idle&) const = default;
    };
    using Value = std::variant<Results, BookSuggestions, BooksAndResults, Message, Idle>;

    Value value = Idle{};

    template <class T>
    const T* as() const { return std::get_if<T>(&value); }
    template <class T>
    bool is() const { return std::holds_alternative<T>(value); }
    bool operator==(const SearchOutcome&) const = default;
};

namespace SearchMessages {
inline const QString unknownBook = QStringLiteral("Не вдалося визначити біблійну книгу");
inline const QString verseNotFound = QStringLiteral("Вірш не знайдено");
inline const QString databaseError = QStringLiteral("Помилка бази даних");
inline const QString nothingFound = QStringLiteral("Нічого не знайдено");
}  // namespace SearchMessages
