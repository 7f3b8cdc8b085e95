#include "BibleDatabase.h"

#include "TextNormalization.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

enum StatementId { ChapterStatement, RangeStatement, FtsStatement, CountStatement, StatementCount };

const char* const statementSql[] = {
    "SELECT book_number, book_code, book_name, chapter, verse, text\n"
    "FROM verses\n"
    "WHERE book_code = ? AND chapter = ?\n"
    "ORDER BY verse",
    "SELECT book_number, book_code, book_name, chapter, verse, text\n"
    "FROM verses\n"
    "WHERE book_code = ? AND chapter = ? AND verse BETWEEN ? AND ?\n"
    "ORDER BY verse",
    "SELECT v.book_number, v.book_code, v.book_name, v.chapter, v.verse, v.text\n"
    "FROM verses_fts f\n"
    "JOIN verses v ON v.id = f.verse_id\n"
    "WHERE verses_fts MATCH ?\n"
    "ORDER BY v.book_number, v.chapter, v.verse\n"
    "LIMIT ?",
    "SELECT COUNT(*) FROM verses_fts WHERE verses_fts MATCH ?",
};

}  // namespace

const char* const BibleDatabase::memoryMapPragma = "PRAGMA mmap_size = 268435456";

namespace {

DatabaseError sqliteError(const std::exception& e)
{
    return DatabaseError{DatabaseError::Kind::Sqlite, QString::fromUtf8(e.what())};
}

DatabaseError decodingError(const QString& what)
{
    return DatabaseError{DatabaseError::Kind::Decoding, what};
}

// Optional sign and ASCII digits, within the signed 64-bit range.
std::optional<qint64> decimalInteger(const QString& text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i == text.size())
        return std::nullopt;
    // Accumulate as a negative number so that the minimum value fits.
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        const int digit = text[i].unicode() - u'0';
        if (value < (std::numeric_limits<qint64>::min() + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == std::numeric_limits<qint64>::min())
            return std::nullopt;
        value = -value;
    }
    return value;
}

// A column must hold a value of its declared kind: NULL, or text where a number
// belongs, fails the row. An integral REAL passes as an integer.
std::optional<qint64> integerColumn(SQLite::Statement& row, int index)
{
    SQLite::Column column = row.getColumn(index);
    switch (column.getType()) {
    case SQLITE_INTEGER:
        return column.getInt64();
    case SQLITE_FLOAT: {
        const double d = column.getDouble();
        if (d >= -9.2e18 && d <= 9.2e18 && static_cast<double>(static_cast<qint64>(d)) == d)
            return static_cast<qint64>(d);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// Text columns decode into QString; a value equal to the previous row's (the book
// code and name repeat for thousands of rows) shares that row's string.
class TextColumn {
public:
    explicit TextColumn(int index) : m_index(index) {}
    std::optional<QString> read(SQLite::Statement& row)
    {
        SQLite::Column column = row.getColumn(m_index);
        if (column.getType() != SQLITE_TEXT)
            return std::nullopt;
        const char* bytes = column.getText();
        const int size = column.getBytes();
        const QByteArrayView view(bytes, size);
        if (!m_last.isNull() && view == QByteArrayView(m_lastBytes))
            return m_last;
        m_lastBytes = QByteArray(bytes, size);
        m_last = QString::fromUtf8(view);
        return m_last;
    }

private:
    int m_index;
    QByteArray m_lastBytes;
    QString m_last;
};

Result<Verses> readVerses(SQLite::Statement& statement)
{
    Verses verses;
    TextColumn code(1), name(2);
    while (statement.executeStep()) {
        if (statement.getColumnCount() < 6)
            return decodingError(QStringLiteral("рядок має менше шести стовпців"));
        const auto bookNumber = integerColumn(statement, 0);
        const auto bookCode = code.read(statement);
        const auto bookName = name.read(statement);
        const auto chapter = integerColumn(statement, 3);
        const auto verse = integerColumn(statement, 4);
        SQLite::Column textColumn = statement.getColumn(5);
        if (!bookNumber || !bookCode || !bookName || !chapter || !verse
            || textColumn.getType() != SQLITE_TEXT)
            return decodingError(QStringLiteral("рядок вірша не читається"));
        verses.append(VerseRecord{*bookNumber, *bookCode, *bookName, *chapter, *verse,
                                  QString::fromUtf8(textColumn.getText(), textColumn.getBytes())});
    }
    return verses;
}

}  // namespace

BibleDatabase::BibleDatabase(std::unique_ptr<SQLite::Database> db) : m_db(std::move(db)) {}
BibleDatabase::~BibleDatabase() = default;

QString BibleDatabase::resourcePath()
{
    const QString exeDir = QCoreApplication::instance()
        ? QCoreApplication::applicationDirPath()
        : QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    for (const QString& candidate : {exeDir + QStringLiteral("/bible.db"),
                                     exeDir + QStringLiteral("/../share/lampstride/bible.db")}) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return {};
}

Result<std::unique_ptr<BibleDatabase>> BibleDatabase::open(const std::optional<QString>& path)
{
    // 1. Resolve the path.
    const QString resolved = path ? *path : resourcePath();
    if (resolved.isEmpty())
        return DatabaseError{DatabaseError::Kind::ResourceNotFound,
                             QStringLiteral("bible.db не знайдено поруч із програмою")};
    try {
        // 2. Open read-only.
        auto db = std::make_unique<SQLite::Database>(resolved.toStdString(), SQLite::OPEN_READONLY);
        // Map the file instead of copying pages through a 2 MB cache: a word found in
        // most verses reads much of the 18 MB file on every keystroke. Reads only.
        db->exec(memoryMapPragma);
        std::unique_ptr<BibleDatabase> database(new BibleDatabase(std::move(db)));
        // 3. Meta facts: later rows replace earlier ones; NULL removes the key.
        QHash<QString, QString> meta;
        SQLite::Statement query(*database->m_db, "SELECT key, value FROM meta");
        while (query.executeStep()) {
            const QString key = QString::fromUtf8(query.getColumn(0).getText());
            if (query.getColumn(1).isNull())
                meta.remove(key);
            else
                meta.insert(key, QString::fromUtf8(query.getColumn(1).getText()));
        }
        // 4.–5.
        database->m_translation = meta.value(QStringLiteral("translation"), QStringLiteral("CUV"));
        database->m_bookCount = decimalInteger(meta.value(QStringLiteral("book_count"))).value_or(0);
        database->m_verseCount = decimalInteger(meta.value(QStringLiteral("verse_count"))).value_or(0);
        return database;
    } catch (const std::exception& e) {
        // 6.
        return sqliteError(e);
    }
}

namespace {
std::once_flag sharedOnce;
std::unique_ptr<BibleDatabase> sharedDatabase;
QString sharedOpenError;
}  // namespace

BibleDatabase* BibleDatabase::shared()
{
    std::call_once(sharedOnce, [] {
        Result<std::unique_ptr<BibleDatabase>> opened = open();
        if (opened)
            sharedDatabase = std::move(opened).value();
        else
            sharedOpenError = opened.error().message;
    });
    return sharedDatabase.get();
}

QString BibleDatabase::sharedError()
{
    shared();
    return sharedOpenError;
}

SQLite::Statement& BibleDatabase::statement(int which)
{
    std::unique_ptr<SQLite::Statement>& slot = m_statements[which];
    if (!slot)
        slot = std::make_unique<SQLite::Statement>(*m_db, statementSql[which]);
    else
        slot->reset();
    slot->clearBindings();
    return *slot;
}

Result<Verses> BibleDatabase::chapter(const QString& bookCode, qint64 chapterNumber)
{
    std::lock_guard lock(m_mutex);
    try {
        SQLite::Statement& query = statement(ChapterStatement);
        query.bind(1, bookCode.toStdString());
        query.bind(2, static_cast<int64_t>(chapterNumber));
        Result<Verses> result = readVerses(query);
        query.reset();
        return result;
    } catch (const std::exception& e) {
        return sqliteError(e);
    }
}

Result<Verses> BibleDatabase::verses(const QString& bookCode, qint64 chapterNumber, qint64 from, qint64 to)
{
    std::lock_guard lock(m_mutex);
    try {
        SQLite::Statement& query = statement(RangeStatement);
        query.bind(1, bookCode.toStdString());
        query.bind(2, static_cast<int64_t>(chapterNumber));
        query.bind(3, static_cast<int64_t>(from));
        query.bind(4, static_cast<int64_t>(to));
        Result<Verses> result = readVerses(query);
        query.reset();
        return result;
    } catch (const std::exception& e) {
        return sqliteError(e);
    }
}

Result<Verses> BibleDatabase::fullTextSearchPhrase(const QStringList& terms, bool withEndings, qint64 limit)
{
    if (terms.size() < 2)
        return Verses{};
    return runFTSQuery(phraseMatchQuery(terms, withEndings), limit);
}

Result<Verses> BibleDatabase::fullTextSearchAllTerms(const QStringList& terms, bool withEndings, qint64 limit)
{
    if (terms.isEmpty())
        return Verses{};
    return runFTSQuery(allTermsMatchQuery(terms, withEndings), limit);
}

Result<qint64> BibleDatabase::fullTextCount(const QStringList& terms, bool withEndings, bool asPhrase)
{
    if (terms.isEmpty())
        return qint64(0);
    const QString expression = asPhrase ? phraseMatchQuery(terms, withEndings)
                                        : allTermsMatchQuery(terms, withEndings);
    std::lock_guard lock(m_mutex);
    try {
        SQLite::Statement& query = statement(CountStatement);
        query.bind(1, expression.toStdString());
        qint64 count = 0;
        if (query.executeStep())
            count = integerColumn(query, 0).value_or(0);
        query.reset();
        return count;
    } catch (const std::exception& e) {
        return sqliteError(e);
    }
}

Result<Verses> BibleDatabase::runFTSQuery(const QString& matchExpression, qint64 limit)
{
    std::lock_guard lock(m_mutex);
    try {
        SQLite::Statement& query = statement(FtsStatement);
        query.bind(1, matchExpression.toStdString());
        query.bind(2, static_cast<int64_t>(limit));
        Result<Verses> result = readVerses(query);
        query.reset();
        return result;
    } catch (const std::exception& e) {
        return sqliteError(e);
    }
}

void BibleDatabase::setStatementObserver(std::function<void(const QString&)> observer)
{
    std::lock_guard lock(m_mutex);
    m_statementObserver = std::move(observer);
    if (!m_statementObserver) {
        sqlite3_trace_v2(m_db->getHandle(), 0, nullptr, nullptr);
        return;
    }
    auto trace = [](unsigned, void* context, void* statement, void*) -> int {
        auto* self = static_cast<BibleDatabase*>(context);
        // Only this layer's own statements, not the ones FTS5 runs inside them.
        const char* text = sqlite3_sql(static_cast<sqlite3_stmt*>(statement));
        if (!text || std::find_if(std::begin(statementSql), std::end(statementSql),
                                  [&](const char* own) { return std::strcmp(own, text) == 0; })
                == std::end(statementSql))
            return 0;
        char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
        if (sql && self->m_statementObserver)
            self->m_statementObserver(QString::fromUtf8(sql));
        sqlite3_free(sql);
        return 0;
    };
    sqlite3_trace_v2(m_db->getHandle(), SQLITE_TRACE_STMT, trace, this);
}

QString BibleDatabase::ftsTerm(const QString& term, bool withEndings)
{
    QString quoted = term;
    // 1. No double quotation marks inside.
    quoted.remove(u'"');
    // 2. One FTS5 string.
    quoted = u'"' + quoted + u'"';
    // 3. Other endings for words longer than two characters.
    if (withEndings && TextNormalization::characterCount(term) > 2)
        quoted += u'*';
    return quoted;
}

namespace {
QString joinedTerms(const QStringList& terms, bool withEndings, const QString& separator)
{
    QStringList parts;
    for (const QString& term : terms)
        parts.append(BibleDatabase::ftsTerm(term, withEndings));
    return parts.join(separator);
}
}  // namespace

// Terms in this order, one after another.
QString BibleDatabase::phraseMatchQuery(const QStringList& terms, bool withEndings)
{
    return joinedTerms(terms, withEndings, QStringLiteral(" + "));
}

// Every term anywhere (FTS5's implicit AND).
QString BibleDatabase::allTermsMatchQuery(const QStringList& terms, bool withEndings)
{
    return joinedTerms(terms, withEndings, QStringLiteral(" "));
}
