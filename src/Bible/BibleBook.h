#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One book of the fixed 66-book catalog.
struct BibleBook {
    enum class Testament { Old, New };

    qint64 number = 0;       // canonical position 1…66, also the identity
    QString code;            // three-character book key of the verse database (GEN … REV)
    QString name;            // Ukrainian display name
    Testament testament = Testament::Old;
    qint64 chapterCount = 0;
    QStringList aliases;     // lower-case typed forms, ascending by code point

    qint64 id() const { return number; }
    bool operator==(const BibleBook&) const = default;

    // The catalog in canonical order: the book numbered n stands at index n − 1.
    static const QList<BibleBook>& all();
    // The catalog's book with this database code (GEN … REV), or null.
    static const BibleBook* withCode(const QString& code);
};

QString testamentText(BibleBook::Testament testament);
std::optional<BibleBook::Testament> testamentFromText(const QString& text);

size_t qHash(const BibleBook& book, size_t seed = 0);
