#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

// The text rules every part of the program shares: what a character is, when two
// texts are equal, what counts as a letter, a number or white space, how text is
// lower-cased and which characters are apostrophes. Nothing else in the program
// decides these questions on its own; Qt's QChar helpers follow other definitions
// and are not used for them.
//
// A "character" is a user-perceived character (an extended grapheme cluster).
// Two characters are equal when their NFC forms are equal.
namespace TextNormalization {

// The seven apostrophe-like characters, removed before any comparison with book
// aliases or search terms.
inline constexpr std::array<char16_t, 7> apostropheLike = {
    u'\u0027', u'\u2019', u'\u02BC', u'\u0060', u'\u00B4', u'\u2018', u'\u2032'};

// One entry per character, each in NFC, so that two such lists compare element
// by element under canonical equivalence.
using Characters = std::vector<QString>;

// Splits text into characters (grapheme clusters), keeping each as written.
QStringList characters(QStringView text);
// The same, with every character in NFC, for comparisons.
Characters comparableCharacters(QStringView text);
qsizetype characterCount(QStringView text);
// Offset in UTF-16 code units at which character number `count` begins
// (text.size() when the text has fewer characters).
qsizetype offsetOfCharacter(QStringView text, qsizetype count);

// Letter: the first code point has the Unicode property Alphabetic.
bool isLetter(QStringView character);
// Numeric: the first code point has a Numeric_Type other than None.
bool isNumeric(QStringView character);
// White space alone: general category Zs, or U+0009.
bool isWhitespace(QStringView character);
bool isWhitespaceCodePoint(char32_t codePoint);
// White space and newlines: category Z (Zs, Zl, Zp), U+0009, U+000A–U+000D, U+0085.
bool isWhitespaceOrNewlineCodePoint(char32_t codePoint);
// The Unicode White_Space property of the first code point (line feeds included).
bool isWhiteSpaceProperty(QStringView character);
// True when the character equals one of `apostropheLike`.
bool isApostrophe(QStringView character);

char32_t firstCodePoint(QStringView text);

// Removes white space and newlines from both ends.
QString trimmed(QStringView text);
// Unicode default full lower-case mapping, the same in every locale.
QString lowercased(QStringView text);
QString nfc(QStringView text);
// Canonical equivalence.
bool equal(QStringView a, QStringView b);
// Equal after full Unicode case folding (and canonical equivalence).
bool equalIgnoringCase(QStringView a, QStringView b);

// The text without any character that equals a member of `apostropheLike`.
QString stripApostrophes(QStringView text);

// The words of a text as search and highlighting see them: lower-cased, apostrophes
// removed, split at every character that is neither a letter nor numeric, empty
// pieces dropped, each word in NFC (the verse index holds NFC text).
QStringList words(QStringView text);

}  // namespace TextNormalization
