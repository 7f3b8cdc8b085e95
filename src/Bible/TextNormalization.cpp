#include "TextNormalization.h"

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/unistr.h>

#include <memory>

namespace TextNormalization {
namespace {

icu::UnicodeString aliasOf(QStringView text)
{
    // Read-only alias over Qt's UTF-16 buffer: no copy.
    return icu::UnicodeString(false, reinterpret_cast<const char16_t*>(text.utf16()),
                              static_cast<int32_t>(text.size()));
}

QString toQString(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// Grapheme break iterators are costly to create; each thread keeps one.
icu::BreakIterator* characterBreaker()
{
    thread_local std::unique_ptr<icu::BreakIterator> breaker = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> it(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status))
            it.reset();
        return it;
    }();
    return breaker.get();
}

// Offsets at which characters begin, followed by text.size(). Boundaries are
// collected before any caller's work runs, so that work may itself split text
// with the same per-thread iterator.
std::vector<qsizetype> characterBoundaries(QStringView text)
{
    std::vector<qsizetype> bounds;
    if (text.isEmpty())
        return bounds;
    icu::BreakIterator* breaker = characterBreaker();
    if (!breaker) {  // ICU data missing: fall back to code points
        qsizetype i = 0;
        while (i < text.size()) {
            bounds.push_back(i);
            i += (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        }
        bounds.push_back(text.size());
        return bounds;
    }
    icu::UnicodeString alias = aliasOf(text);
    breaker->setText(alias);
    for (int32_t b = breaker->first(); b != icu::BreakIterator::DONE; b = breaker->next())
        bounds.push_back(b);
    return bounds;
}

// Calls `visit(start, end)` for every character of the text, in order.
template <class Visit>
void forEachCharacter(QStringView text, Visit visit)
{
    const std::vector<qsizetype> bounds = characterBoundaries(text);
    for (size_t i = 0; i + 1 < bounds.size(); ++i)
        visit(bounds[i], bounds[i + 1]);
}

const icu::Normalizer2* nfcNormalizer()
{
    static const icu::Normalizer2* normalizer = [] {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* n = icu::Normalizer2::getNFCInstance(status);
        return U_SUCCESS(status) ? n : nullptr;
    }();
    return normalizer;
}

bool mayHoldApostrophe(QStringView text)
{
    for (QChar c : text) {
        char16_t u = c.unicode();
        for (char16_t a : apostropheLike)
            if (u == a)
                return true;
        // Greek oxia and varia are canonically equivalent to two of the set.
        if (u == u'\u1FFD' || u == u'\u1FEF')
            return true;
    }
    return false;
}

}  // namespace

QStringList characters(QStringView text)
{
    QStringList result;
    forEachCharacter(text, [&](qsizetype start, qsizetype end) {
        result.append(text.mid(start, end - start).toString());
    });
    return result;
}

Characters comparableCharacters(QStringView text)
{
    Characters result;
    result.reserve(static_cast<size_t>(text.size()));
    forEachCharacter(text, [&](qsizetype start, qsizetype end) {
        result.push_back(nfc(text.mid(start, end - start)));
    });
    return result;
}

qsizetype characterCount(QStringView text)
{
    qsizetype count = 0;
    forEachCharacter(text, [&](qsizetype, qsizetype) { ++count; });
    return count;
}

qsizetype offsetOfCharacter(QStringView text, qsizetype count)
{
    if (count <= 0)
        return 0;
    qsizetype seen = 0;
    qsizetype offset = text.size();
    bool found = false;
    forEachCharacter(text, [&](qsizetype start, qsizetype) {
        if (!found && seen == count) {
            offset = start;
            found = true;
        }
        ++seen;
    });
    return offset;
}

char32_t firstCodePoint(QStringView text)
{
    if (text.isEmpty())
        return 0;
    if (text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[0], text[1]);
    return text[0].unicode();
}

bool isLetter(QStringView character)
{
    return !character.isEmpty() && u_hasBinaryProperty(firstCodePoint(character), UCHAR_ALPHABETIC);
}

bool isNumeric(QStringView character)
{
    return !character.isEmpty()
        && u_getIntPropertyValue(firstCodePoint(character), UCHAR_NUMERIC_TYPE) != U_NT_NONE;
}

bool isWhitespaceCodePoint(char32_t cp)
{
    return cp == U'\t' || u_charType(cp) == U_SPACE_SEPARATOR;
}

bool isWhitespaceOrNewlineCodePoint(char32_t cp)
{
    if (cp == U'\t' || (cp >= 0x0A && cp <= 0x0D) || cp == 0x85)
        return true;
    const int8_t type = u_charType(cp);
    return type == U_SPACE_SEPARATOR || type == U_LINE_SEPARATOR || type == U_PARAGRAPH_SEPARATOR;
}

bool isWhitespace(QStringView character)
{
    return !character.isEmpty() && isWhitespaceCodePoint(firstCodePoint(character));
}

bool isWhiteSpaceProperty(QStringView character)
{
    return !character.isEmpty() && u_isUWhiteSpace(firstCodePoint(character));
}

bool isApostrophe(QStringView character)
{
    const QString normal = nfc(character);
    if (normal.size() != 1)
        return false;
    for (char16_t a : apostropheLike)
        if (normal[0].unicode() == a)
            return true;
    return false;
}

QString trimmed(QStringView text)
{
    // Works on code points: a lone surrogate is never white space, so a unit-wise
    // scan that keeps surrogate pairs together is exact.
    qsizetype start = 0;
    qsizetype end = text.size();
    auto codePointAt = [&](qsizetype i, qsizetype& width) -> char32_t {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            width = 2;
            return QChar::surrogateToUcs4(text[i], text[i + 1]);
        }
        width = 1;
        return text[i].unicode();
    };
    while (start < end) {
        qsizetype width;
        if (!isWhitespaceOrNewlineCodePoint(codePointAt(start, width)))
            break;
        start += width;
    }
    while (end > start) {
        qsizetype i = end - 1;
        if (text[i].isLowSurrogate() && i > start && text[i - 1].isHighSurrogate())
            --i;
        qsizetype width;
        if (!isWhitespaceOrNewlineCodePoint(codePointAt(i, width)))
            break;
        end = i;
    }
    return text.mid(start, end - start).toString();
}

QString lowercased(QStringView text)
{
    icu::UnicodeString copy(reinterpret_cast<const char16_t*>(text.utf16()),
                            static_cast<int32_t>(text.size()));
    copy.toLower(icu::Locale::getRoot());
    return toQString(copy);
}

QString nfc(QStringView text)
{
    const icu::Normalizer2* normalizer = nfcNormalizer();
    if (!normalizer)
        return text.toString();
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString source = aliasOf(text);
    if (normalizer->isNormalized(source, status) && U_SUCCESS(status))
        return text.toString();
    status = U_ZERO_ERROR;
    icu::UnicodeString result = normalizer->normalize(source, status);
    return U_SUCCESS(status) ? toQString(result) : text.toString();
}

bool equal(QStringView a, QStringView b)
{
    return a == b || nfc(a) == nfc(b);
}

bool equalIgnoringCase(QStringView a, QStringView b)
{
    const QString left = nfc(a);
    const QString right = nfc(b);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t order = u_strCaseCompare(reinterpret_cast<const UChar*>(left.utf16()), static_cast<int32_t>(left.size()),
                                           reinterpret_cast<const UChar*>(right.utf16()), static_cast<int32_t>(right.size()),
                                           U_FOLD_CASE_DEFAULT, &status);
    return U_SUCCESS(status) && order == 0;
}

QString stripApostrophes(QStringView text)
{
    if (!mayHoldApostrophe(text))
        return text.toString();
    QString result;
    result.reserve(text.size());
    forEachCharacter(text, [&](qsizetype start, qsizetype end) {
        QStringView character = text.mid(start, end - start);
        if (!isApostrophe(character))
            result.append(character);
    });
    return result;
}

QStringList words(QStringView text)
{
    const QString prepared = stripApostrophes(lowercased(text));
    QStringList result;
    QString current;
    forEachCharacter(prepared, [&](qsizetype start, qsizetype end) {
        QStringView character = QStringView(prepared).mid(start, end - start);
        if (isLetter(character) || isNumeric(character)) {
            current.append(character);
        } else if (!current.isEmpty()) {
            result.append(nfc(current));
            current.clear();
        }
    });
    if (!current.isEmpty())
        result.append(nfc(current));
    return result;
}

}  // namespace TextNormalization
