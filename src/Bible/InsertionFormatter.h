#pragma once

#include "InsertionPreferences.h"
#include "SearchResultItem.h"

#include <optional>

// Turns one search result into the exact text that is inserted or copied.
namespace InsertionFormatter {

// Absent arguments come from `preferences` at the moment of the call.
QString format(const SearchResultItem& item, const InsertionPreferences& preferences,
               const std::optional<InsertionFormat>& format = std::nullopt,
               std::optional<bool> includeVerseNumbers = std::nullopt);

// The numbered layout: "16. …" per verse, the reference as its own paragraph.
QString formatNumbered(const SearchResultItem& item, NumberedStyle style, ReferencePosition position);

// Tidies the end: trailing white space goes; a final full stop goes too when
// `removePeriod`; a dangling , : ; – — - becomes "...".
QString adjustEnding(const QString& text, bool removePeriod);

// Replaces, in this order and every occurrence, {text}, {reference}, {book},
// {chapter} and {verse}; later placeholders are replaced inside earlier insertions too.
QString fillTemplate(QString templateText, const QString& text, const QString& reference, const QString& book,
                     const QString& chapter, const QString& verse);

}  // namespace InsertionFormatter
