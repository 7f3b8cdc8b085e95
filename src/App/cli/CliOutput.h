#pragma once

#include "BibleReferenceParser.h"
#include "SearchHighlighter.h"
#include "SearchResultItem.h"

#include <optional>
#include <vector>

// What lampstride-cli prints for each command, as JSON or as lines for people.
namespace CliOutput {

QString parsedQueryJson(const ParsedQuery& parsed);
QString parsedQueryText(const ParsedQuery& parsed);

QString outcomeJson(const SearchOutcome& outcome, std::optional<qint64> count);
QString outcomeText(const SearchOutcome& outcome);

QString rangesJson(const std::vector<SearchHighlighter::Range>& ranges);
QString rangesText(const std::vector<SearchHighlighter::Range>& ranges, QStringView text);

}  // namespace CliOutput
