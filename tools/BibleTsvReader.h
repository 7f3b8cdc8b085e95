#pragma once

#include <QString>
#include <QList>

#include <optional>

// Reads and checks the verse text file: a header line, then one verse per line as
// book_number, book_code, chapter, verse, text separated by tabs.
namespace BibleTsv {

struct Row {
    qint64 bookNumber;
    QString bookCode;
    QString bookName;  // from the catalog
    qint64 chapter;
    qint64 verse;
    QString text;
};

struct ParseResult {
    QList<Row> rows;
    QString error;  // empty on success; otherwise names the line
};

ParseResult read(const QByteArray& contents, const QString& sourceName);

}  // namespace BibleTsv
