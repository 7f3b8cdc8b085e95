#pragma once

#include "Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace SQLite {
class Database;
class Statement;
}

// One verse as stored.
struct VerseRecord {
    qint64 bookNumber = 0;
    QString bookCode;
    QString bookName;
    qint64 chapter = 0;
    qint64 verse = 0;
    QString text;

    bool operator==(const VerseRecord&) const = default;
};

using Verses = QList<VerseRecord>;

// Read-only access to bible.db: whole chapters, verse ranges, full-text searches
// and counts. One connection; accesses are serialised.
class BibleDatabase {
public:
    // Opens the file at `path`, or the shipped bible.db when no path is given.
    static Result<std::unique_ptr<BibleDatabase>> open(const std::optional<QString>& path = std::nullopt);
    // The process-wide instance over the shipped file; null when it cannot be opened
    // (sharedError() then tells why).
    static BibleDatabase* shared();
    static QString sharedError();
    // Where the shipped bible.db is: beside the executable (build tree), or in
    // share/lampstride after installation. Empty when neither exists.
    static QString resourcePath();

    ~BibleDatabase();

    QString translation() const { return m_translation; }
    qint64 bookCount() const { return m_bookCount; }
    qint64 verseCount() const { return m_verseCount; }

    Result<Verses> chapter(const QString& bookCode, qint64 chapter);
    Result<Verses> verses(const QString& bookCode, qint64 chapter, qint64 from, qint64 to);
    Result<Verses> fullTextSearchPhrase(const QStringList& terms, bool withEndings, qint64 limit);
    Result<Verses> fullTextSearchAllTerms(const QStringList& terms, bool withEndings, qint64 limit);
    Result<qint64> fullTextCount(const QStringList& terms, bool withEndings, bool asPhrase);

    // Calls `observer` with every statement this database runs, its arguments written
    // in; the benchmark replays them bare to show the cost of this layer. Empty: off.
    void setStatementObserver(std::function<void(const QString&)> observer);

    // The one connection setting this layer changes (reads through a memory map).
    static const char* const memoryMapPragma;

    // FTS5 match expressions.
    static QString ftsTerm(const QString& term, bool withEndings);
    static QString phraseMatchQuery(const QStringList& terms, bool withEndings);
    static QString allTermsMatchQuery(const QStringList& terms, bool withEndings);

private:
    explicit BibleDatabase(std::unique_ptr<SQLite::Database> db);
    Result<Verses> runFTSQuery(const QString& matchExpression, qint64 limit);
    SQLite::Statement& statement(int which);

    std::unique_ptr<SQLite::Database> m_db;
    std::mutex m_mutex;
    std::unique_ptr<SQLite::Statement> m_statements[5];
    std::function<void(const QString&)> m_statementObserver;
    QString m_translation;
    qint64 m_bookCount = 0;
    qint64 m_verseCount = 0;
};
