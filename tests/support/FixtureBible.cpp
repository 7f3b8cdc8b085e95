#include "FixtureBible.h"

#include "BibleBook.h"
#include "BibleDbWriter.h"

#include <SQLiteCpp/Database.h>

namespace FixtureBible {
namespace {

struct Line {
    const char* code;
    qint64 chapter;
    qint64 verse;
    const char* text;
};

// Invented sentences. Word choices matter to the tests: "любов" stands as typed in
// two verses and only as "любові" in a third; "світл…" appears only in longer forms;
// "мати" begins with the book alias "мат" and "ісус" is both a book prefix and a
// word; one verse writes an apostrophe.
const Line lines[] = {
    {"GEN", 1, 1, "Спочатку був тихий ранок над садом."},
    {"GEN", 1, 2, "Мати пекла хліб, і дім наповнився світлом."},
    {"GEN", 1, 3, "Любов терпить довго і не шукає свого."},
    {"PSA", 23, 1, "Пісня пастуха про зелені пасовища."},
    {"PSA", 23, 2, "Він веде отару до тихої води."},
    {"PSA", 23, 3, "Душа відпочиває в тіні старого дуба."},
    {"PSA", 23, 4, "Навіть у долині темній не страшно."},
    {"PSA", 23, 5, "Стіл накритий, чаша повна до краю."},
    {"PSA", 23, 6, "Добро й милість підуть за мною всі дні."},
    {"MAT", 1, 1, "Родовід починається з давніх імен."},
    {"JHN", 3, 1, "Ісус говорив до учнів біля моря."},
    {"JHN", 3, 2, "Бог є любов, казав він, і любові вистачить усім."},
    {"JHN", 3, 3, "Вони слухали Ісуса мовчки, а вітер гнав хвилі."},
    {"JHN", 3, 4, "Хто любить, той світло несе у світ."},
    {"JHN", 3, 5, "Об’явлення прийшло тихо, як ранкова роса."},
    {"1CO", 13, 4, "Без любові все інше порожнє, як дзвін."},
    {"1CO", 13, 5, "Терпіння й доброта йдуть поруч."},
};

}  // namespace

QList<BibleTsv::Row> rows()
{
    QList<BibleTsv::Row> result;
    for (const Line& line : lines) {
        const QString code = QString::fromLatin1(line.code);
        for (const BibleBook& book : BibleBook::all()) {
            if (book.code == code)
                result.append(BibleTsv::Row{book.number, code, book.name, line.chapter, line.verse,
                                            QString::fromUtf8(line.text)});
        }
    }
    return result;
}

QString write(const QTemporaryDir& dir, const QString& fileName)
{
    const QString path = dir.filePath(fileName);
    BibleDbWriter::write(path, rows(), QStringLiteral("Вигаданий переклад"));
    return path;
}

void exec(const QString& path, const QString& sql)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec(sql.toStdString());
}

}  // namespace FixtureBible
