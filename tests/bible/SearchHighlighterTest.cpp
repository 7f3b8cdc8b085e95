#include "SearchHighlighter.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The highlighted pieces of text, in the order the highlighter returns them.
QStringList marked(const QString& query, const QString& text, bool otherForms)
{
    QStringList pieces;
    for (const SearchHighlighter::Range& r : SearchHighlighter::ranges(query, text, otherForms))
        pieces.append(text.mid(r.start, r.end - r.start));
    return pieces;
}

}  // namespace

TEST(SearchHighlighter, Cases)
{
    const QString verse = QStringLiteral("Бог є любов, і любові вистачить усім. БОГ");
    struct Case {
        QString query;
        QString text;
        bool otherForms;
        QStringList expected;
    };
    const Case cases[] = {
        {"любов", verse, false, {"любов"}},
        {"любов", verse, true, {"любов", "любові"}},
        {"бог", verse, false, {"Бог", "БОГ"}},
        {"бо", verse, true, {}},
        {"  ?! ", verse, true, {}},
        {"", verse, true, {}},
        // words keep query order; a repeated word is searched again
        {"любов бог любов", verse, false, {"любов", "Бог", "БОГ", "любов"}},
        // references give words too, marked only where they stand whole
        {"ів 3:16", "Івана 3 і 16, а не 316", false, {"3", "16"}},
        // apostrophes: any one form, or none, between two letters
        {"об’явлення", "Об'явлення і Обʼявлення і Обявлення", false, {"Об'явлення", "Обʼявлення", "Обявлення"}},
        {"обявлення", "Об’’явлення", false, {}},
        {"пять", "п’ять", false, {"п’ять"}},
        // an apostrophe is a word character: no match inside a longer word
        {"мя", "ім’я", false, {}},
        {"(любов)", "(любов)", true, {"любов"}},
        {"любов", "ЛЮБОВІ", true, {"ЛЮБОВІ"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(marked(c.query, c.text, c.otherForms), c.expected) << qPrintable(c.query) << " / " << qPrintable(c.text);
}

TEST(SearchHighlighter, RangesAreUtf16Offsets)
{
    const QString text = QString::fromUtf16(u"\U0001F54A любов");  // a dove outside the BMP first
    const auto ranges = SearchHighlighter::ranges(u"любов", text, false);
    ASSERT_EQ(ranges.size(), 1u);
    EXPECT_EQ(ranges[0].start, 3);
    EXPECT_EQ(ranges[0].end, 8);
}
