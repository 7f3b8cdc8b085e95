#include "IcuRegex.h"

#include <QList>

#include <unicode/regex.h>
#include <unicode/uchar.h>

#include <cstdlib>

namespace {

icu::UnicodeString aliasOf(QStringView text)
{
    return icu::UnicodeString(false, reinterpret_cast<const char16_t*>(text.utf16()),
                              static_cast<int32_t>(text.size()));
}

}  // namespace

IcuRegex::IcuRegex(std::unique_ptr<icu::RegexPattern> pattern) : m_pattern(std::move(pattern)) {}
IcuRegex::IcuRegex(IcuRegex&&) noexcept = default;
IcuRegex& IcuRegex::operator=(IcuRegex&&) noexcept = default;
IcuRegex::~IcuRegex() = default;

std::optional<IcuRegex> IcuRegex::compile(const QString& pattern, bool caseInsensitive)
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    icu::UnicodeString source(reinterpret_cast<const char16_t*>(pattern.utf16()),
                              static_cast<int32_t>(pattern.size()));
    std::unique_ptr<icu::RegexPattern> compiled(icu::RegexPattern::compile(
        source, caseInsensitive ? UREGEX_CASE_INSENSITIVE : 0, parseError, status));
    if (U_FAILURE(status) || !compiled)
        return std::nullopt;
    return IcuRegex(std::move(compiled));
}

IcuRegex IcuRegex::fixed(const QString& pattern)
{
    std::optional<IcuRegex> compiled = compile(pattern);
    if (!compiled)
        std::abort();
    return std::move(*compiled);
}

std::optional<IcuRegex::Groups> IcuRegex::firstMatch(QStringView text) const
{
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString input = aliasOf(text);
    std::unique_ptr<icu::RegexMatcher> matcher(m_pattern->matcher(input, status));
    if (U_FAILURE(status) || !matcher->find(status) || U_FAILURE(status))
        return std::nullopt;
    Groups groups;
    const int32_t count = matcher->groupCount();
    for (int32_t g = 0; g <= count; ++g) {
        UErrorCode s = U_ZERO_ERROR;
        const int32_t start = matcher->start(g, s);
        const int32_t end = matcher->end(g, s);
        if (U_FAILURE(s) || start < 0 || end < start || end > text.size())
            groups.push_back(std::nullopt);
        else
            groups.push_back(Range{start, end});
    }
    return groups;
}

bool IcuRegex::matchesAnywhere(QStringView text) const
{
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString input = aliasOf(text);
    std::unique_ptr<icu::RegexMatcher> matcher(m_pattern->matcher(input, status));
    return U_SUCCESS(status) && matcher->find(status) && U_SUCCESS(status);
}

std::vector<IcuRegex::Range> IcuRegex::allMatches(QStringView text) const
{
    std::vector<Range> ranges;
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString input = aliasOf(text);
    std::unique_ptr<icu::RegexMatcher> matcher(m_pattern->matcher(input, status));
    if (U_FAILURE(status))
        return ranges;
    while (matcher->find(status) && U_SUCCESS(status)) {
        UErrorCode s = U_ZERO_ERROR;
        const int32_t start = matcher->start(s);
        const int32_t end = matcher->end(s);
        if (U_SUCCESS(s) && start >= 0 && end >= start && end <= text.size())
            ranges.push_back(Range{start, end});
    }
    return ranges;
}

QString IcuRegex::replaceFirst(QStringView text, const QString& replacement) const
{
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString input = aliasOf(text);
    std::unique_ptr<icu::RegexMatcher> matcher(m_pattern->matcher(input, status));
    if (U_FAILURE(status))
        return text.toString();
    icu::UnicodeString replaced = matcher->replaceFirst(aliasOf(replacement), status);
    if (U_FAILURE(status))
        return text.toString();
    return QString(reinterpret_cast<const QChar*>(replaced.getBuffer()), replaced.length());
}

QString IcuRegex::escaped(QStringView text)
{
    // Letters and digits stand for themselves; every other code point is written
    // as \x{…}, which ICU always reads as that literal code point.
    QString result;
    for (char32_t cp : text.toUcs4()) {
        if (u_isalnum(cp))
            result.append(QString::fromUcs4(&cp, 1));
        else
            result.append(QStringLiteral("\\x{%1}").arg(static_cast<uint>(cp), 0, 16));
    }
    return result;
}
