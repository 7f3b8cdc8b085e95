#include "BibleDbWriter.h"

#include "TextNormalization.h"

#include <QSet>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace BibleDbWriter {

QString searchableText(const QString& text)
{
    return TextNormalization::stripApostrophes(TextNormalization::lowercased(TextNormalization::nfc(text)));
}

void write(const QString& path, const QList<BibleTsv::Row>& rows, const QString& translation)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA journal_mode = OFF");
    db.exec("PRAGMA synchronous = OFF");
    db.exec("CREATE TABLE meta (key TEXT NOT NULL PRIMARY KEY, value TEXT)");
    db.exec("CREATE TABLE verses ("
            " id INTEGER PRIMARY KEY,"
            " book_number INTEGER NOT NULL,"
            " book_code TEXT NOT NULL,"
            " book_name TEXT NOT NULL,"
            " chapter INTEGER NOT NULL,"
            " verse INTEGER NOT NULL,"
            " text TEXT NOT NULL,"
            " UNIQUE (book_code, chapter, verse))");
    // The index holds the text as search sees it. Its content table is a narrow one
    // that gives each entry its verse_id (the text itself lives in verses): every
    // match reads verse_id, and small rows make that read cheap. Diacritics stay:
    // folding й to и or ї to і would merge different Ukrainian words.
    db.exec("CREATE TABLE verses_fts_source (id INTEGER PRIMARY KEY, verse_id INTEGER NOT NULL, text TEXT)");
    db.exec("CREATE VIRTUAL TABLE verses_fts USING fts5("
            " verse_id UNINDEXED, text, content = 'verses_fts_source', content_rowid = 'id',"
            " tokenize = 'unicode61 remove_diacritics 0')");

    SQLite::Transaction transaction(db);
    QSet<QString> books;
    SQLite::Statement insertVerse(db, "INSERT INTO verses (id, book_number, book_code, book_name, chapter, verse, text)"
                                      " VALUES (?, ?, ?, ?, ?, ?, ?)");
    SQLite::Statement insertSource(db, "INSERT INTO verses_fts_source (id, verse_id) VALUES (?, ?)");
    SQLite::Statement insertIndex(db, "INSERT INTO verses_fts (rowid, verse_id, text) VALUES (?, ?, ?)");
    int64_t id = 0;
    for (const BibleTsv::Row& row : rows) {
        ++id;
        books.insert(row.bookCode);
        insertVerse.bind(1, id);
        insertVerse.bind(2, static_cast<int64_t>(row.bookNumber));
        insertVerse.bind(3, row.bookCode.toStdString());
        insertVerse.bind(4, row.bookName.toStdString());
        insertVerse.bind(5, static_cast<int64_t>(row.chapter));
        insertVerse.bind(6, static_cast<int64_t>(row.verse));
        insertVerse.bind(7, row.text.toStdString());
        insertVerse.exec();
        insertVerse.reset();

        insertSource.bind(1, id);
        insertSource.bind(2, id);
        insertSource.exec();
        insertSource.reset();

        const QString searchable = searchableText(row.text);
        insertIndex.bind(1, id);
        insertIndex.bind(2, id);
        insertIndex.bind(3, searchable.toStdString());
        insertIndex.exec();
        insertIndex.reset();
    }
    SQLite::Statement insertMeta(db, "INSERT INTO meta (key, value) VALUES (?, ?)");
    const std::pair<const char*, std::string> facts[] = {
        {"translation", translation.toStdString()},
        {"book_count", std::to_string(books.size())},
        {"verse_count", std::to_string(rows.size())},
    };
    for (const auto& [key, value] : facts) {
        insertMeta.bind(1, key);
        insertMeta.bind(2, value);
        insertMeta.exec();
        insertMeta.reset();
    }
    transaction.commit();
    db.exec("INSERT INTO verses_fts (verses_fts) VALUES ('optimize')");
    db.exec("VACUUM");
}

}  // namespace BibleDbWriter
