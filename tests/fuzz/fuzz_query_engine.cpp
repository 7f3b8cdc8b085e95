// Feeds arbitrary bytes to everything that reads typed text: the parser, the text
// rules, book lookup and suggestions, the search service (over a small database of
// invented verses) and the highlighter. Checks that highlight ranges lie inside the text.

#include "BibleBookLookup.h"
#include "BibleDbWriter.h"
#include "BibleReferenceParser.h"
#include "BibleSearchService.h"
#include "SearchHighlighter.h"
#include "TextNormalization.h"

#include <QDir>

#include <cstdlib>

namespace {

BibleSearchService* searchService()
{
    static std::unique_ptr<BibleDatabase> database = [] {
        const QString path = QDir::current().filePath(QStringLiteral("fuzz-fixture.db"));
        QFile::remove(path);
        const QList<BibleTsv::Row> rows = {
            {43, "JHN", "Івана", 3, 16, "Бог є любов, і любові вистачить усім."},
            {43, "JHN", "Івана", 3, 17, "Об’явлення прийшло тихо, як роса."},
            {19, "PSA", "Псалми", 23, 1, "Пісня пастуха про зелені пасовища."},
        };
        BibleDbWriter::write(path, rows, "Вигаданий переклад");
        auto opened = BibleDatabase::open(path);
        if (!opened)
            std::abort();
        return std::move(opened).value();
    }();
    static BibleSearchService service(database.get());
    return &service;
}

void exercise(const QString& query, const QString& text)
{
    BibleReferenceParser::parse(query);
    const QString normalized = BibleBookLookup::normalize(query);
    BibleBookLookup::longestPrefixMatch(normalized);
    BibleBookLookup::suggestions(normalized);
    BibleBookLookup::suggestions(query);
    TextNormalization::stripApostrophes(query);
    TextNormalization::words(query);
    searchService()->search(query);
    searchService()->wordMatchCount(query);
    for (bool otherForms : {false, true}) {
        for (const SearchHighlighter::Range& r : SearchHighlighter::ranges(query, text, otherForms)) {
            if (r.start < 0 || r.end < r.start || r.end > text.size())
                std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray queryBytes = split < 0 ? bytes : bytes.left(split);
    const QByteArray textBytes = split < 0 ? QByteArray("Бог є любов, і любові.") : bytes.mid(split + 1);

    // As UTF-8, the way typed text arrives.
    exercise(QString::fromUtf8(queryBytes), QString::fromUtf8(textBytes));
    // As raw UTF-16, to reach unpaired surrogates and other odd code units.
    exercise(QString(reinterpret_cast<const QChar*>(queryBytes.constData()), queryBytes.size() / 2),
             QString(reinterpret_cast<const QChar*>(textBytes.constData()), textBytes.size() / 2));
    return 0;
}
