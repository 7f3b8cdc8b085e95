#pragma once

#include "BibleBook.h"
#include "IcuRegex.h"

#include <optional>
#include <variant>

// A book, a chapter and an optional verse range, as typed (no range checks).
struct BibleReference {
    BibleBook book;
    qint64 chapter = 0;
    std::optional<qint64> verseStart;
    std::optional<qint64> verseEnd;
    // The chapter was followed by ":" and no verse yet.
    bool colonWithoutVerse = false;

    bool operator==(const BibleReference&) const = default;
};

// What a typed query means.
struct ParsedQuery {
    struct Reference {
        BibleReference reference;
        bool operator==(const Reference&) const = default;
    };
    struct BookPrefix {
        QString input;                 // the trimmed query as typed
        QList<BibleBook> suggestions;  // never empty
        bool operator==(const BookPrefix&) const = default;
    };
    struct FullTextSearch {
        QString text;
        bool operator==(const FullTextSearch&) const = default;
    };
    struct ExactTextSearch {
        QString text;
        bool operator==(const ExactTextSearch&) const = default;
    };
    struct UnknownBook {
        bool operator==(const UnknownBook&) const = default;
    };
    struct Empty {
        bool operator==(const Empty&) const = default;
    };
    using Value = std::variant<Reference, BookPrefix, FullTextSearch, ExactTextSearch, UnknownBook, Empty>;

    Value value = Empty{};

    template <class T>
    const T* as() const { return std::get_if<T>(&value); }
    template <class T>
    bool is() const { return std::holds_alternative<T>(value); }
    bool operator==(const ParsedQuery&) const = default;
};

namespace BibleReferenceParser {

ParsedQuery parse(QStringView query);

// Chapter and verses from the text after the book name.
std::optional<BibleReference> parseChapterVerse(QStringView rest, const BibleBook& book);

// One capture group of a match: its text, or as a number written in ASCII digits.
std::optional<QString> string(const IcuRegex::Groups& match, size_t group, QStringView text);
std::optional<qint64> number(const IcuRegex::Groups& match, size_t group, QStringView text);

bool matches(const IcuRegex& regex, QStringView text);

// The characters that open an exact search.
bool isQuoteCharacter(QStringView character);

}  // namespace BibleReferenceParser
