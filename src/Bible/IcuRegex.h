#pragma once

#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class RegexPattern;
U_NAMESPACE_END

// A compiled ICU regular expression over Qt's UTF-16 strings. Offsets are UTF-16
// code units of the searched text. A compiled pattern may be shared between
// threads; every search makes its own matcher.
class IcuRegex {
public:
    struct Range {
        qsizetype start = 0;
        qsizetype end = 0;
        bool operator==(const Range&) const = default;
    };
    // The first match: one entry per capture group (index 0 is the whole match);
    // a group that did not take part is absent.
    using Groups = std::vector<std::optional<Range>>;

    static std::optional<IcuRegex> compile(const QString& pattern, bool caseInsensitive = false);
    // For fixed patterns written in the source: a failure there is a programming error.
    static IcuRegex fixed(const QString& pattern);

    IcuRegex(IcuRegex&&) noexcept;
    IcuRegex& operator=(IcuRegex&&) noexcept;
    ~IcuRegex();

    std::optional<Groups> firstMatch(QStringView text) const;
    bool matchesAnywhere(QStringView text) const;
    // All non-overlapping matches, left to right.
    std::vector<Range> allMatches(QStringView text) const;
    // Replaces the first match, with "$1"-style group references in the template.
    QString replaceFirst(QStringView text, const QString& replacement) const;

    // A literal for one character of text, safe inside any pattern.
    static QString escaped(QStringView text);

private:
    explicit IcuRegex(std::unique_ptr<icu::RegexPattern> pattern);
    std::unique_ptr<icu::RegexPattern> m_pattern;
};
