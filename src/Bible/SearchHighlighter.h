#pragma once

#include "IcuRegex.h"

#include <QStringView>

#include <vector>

// Where the words of a query stand in a verse, for bold marking.
namespace SearchHighlighter {

using Range = IcuRegex::Range;  // UTF-16 offsets into the verse text, end exclusive

// Grouped by query word in query order, each word's ranges in text order;
// ranges of different words may overlap or repeat.
std::vector<Range> ranges(QStringView query, QStringView text, bool includeOtherWordForms);

}  // namespace SearchHighlighter
